#pragma once

/** The laws that turn normalised Azimuth, Elevation, Distance and Width into
    encoder settings.

    The host-facing Azimuth and the layout offsets count clockwise seen from above
    (positive = to the listener's right); the encoder counts counter-clockwise
    (+Y = left), so the direction is negated on the way in.
*/

/** Direction, in the encoder's turns, of a channel whose clockwise layout offset
    is offsetDegrees, for the normalised Azimuth and Width. Offsets do not wrap:
    the encoder's sine and cosine take care of angles beyond half a turn.
*/
float channelAzimuthTurns (float azimuth, float width, float offsetDegrees) noexcept;

/** Elevation in the encoder's half turns, with Elevation raised to the floor that
    Distance sets for close sources.
*/
float elevationHalfTurns (float elevation, float minimumElevation) noexcept;

/** The elevation floor of a close source: from 0 (-90 degrees) at Distance 0.25
    (1 m) rising linearly to 1 (straight above the listener) at Distance 0.
*/
float minimumElevationForDistance (float distance) noexcept;

/** Exponent of the distance law for attenuation choice 0-5: each step adds about
    2 dB of fall per doubling of distance; choice 3 is the inverse-distance law.
*/
float distanceExponentForChoice (int choice) noexcept;
