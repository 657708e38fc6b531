-- Builds a test session in Ardour's Lua session tool:
--   ardour7-lua build-session.lua DIR NAME FORMAT WIDTHS VALUES TAKE_MS SLOT
-- FORMAT is VST2, VST3 or LV2; WIDTHS a comma-separated list of track widths;
-- VALUES the six parameter values as Ardour's controls hold them (normalised for
-- VST2 and VST3, in the ports' units for LV2), comma-separated; TAKE_MS how long each track
-- records; SLOT the samples between the starts of consecutive tracks' regions.
--
-- One track per width, each with the plug-in first in its chain, all recorded at
-- once from the silent dummy backend; each track's take is then moved into its
-- own time slot after a lead-in, so that the export holds every width in turn.
-- Prints what the caller needs, one fact a line:
--   shown TRACK NAME VALUE      the values the host shows once the plug-in is inserted
--   take TRACK CHANNEL FILE     the file in the session's audio folder that holds one channel of a track's take
--   region TRACK START LENGTH OFFSET   where the track's take sits, and where it
--                              starts in its files, in samples

local dir, name, format, widthList, valueList, takeMs, slot = arg[1], arg[2], arg[3], arg[4], arg[5], tonumber (arg[6]), tonumber (arg[7])

local parameterNames = { "Azimuth", "Elevation", "Distance", "Width", "Gain", "showOnOrbelScene" }
local pluginTypes = { VST2 = ARDOUR.PluginType.LXVST, VST3 = ARDOUR.PluginType.VST3, LV2 = ARDOUR.PluginType.LV2 }
local engineSettleMicroseconds = 300000

local function numbers (list)
	local result = {}
	for item in string.gmatch (list, "[^,]+") do result[#result + 1] = tonumber (item) end
	return result
end

-- A control is found by the parameter's name; Ardour may put a prefix before it.
local function controlFor (plugin, parameterName)
	local automatable = plugin:to_automatable ()
	for parameter in automatable:all_automatable_params ():iter () do
		local control = automatable:automation_control (parameter, false)
		if not control:isnil () then
			local shown = control:name ()
			if shown == parameterName or shown:sub (-#parameterName - 1) == ":" .. parameterName then
				return control
			end
		end
	end
	return nil
end

local widths, values = numbers (widthList), numbers (valueList)
assert (load_session (dir, name), "cannot load the session")

-- B-format passes the tracks and the master bus channel for channel, not through panners.
Session:master_out ():panner_shell ():set_bypassed (true)

local tracks, plugins = {}, {}

for index, width in ipairs (widths) do
	local track = Session:new_audio_track (width, 4, nil, 1, "W" .. width, ARDOUR.PresentationInfo.max_order, ARDOUR.TrackMode.Normal, true):front ()
	-- The track carries exactly the plug-in's four outputs. A track wider than
	-- that would pass its other channels around the plug-in unless its I/O is
	-- strict; a narrower one with strict I/O would cut the four down to its width.
	track:set_strict_io (width > 4)
	local plugin = ARDOUR.LuaAPI.new_plugin (Session, "Velorin", pluginTypes[format], "")
	assert (not plugin:isnil (), "Ardour cannot find the " .. format .. " plug-in")
	track:add_processor_by_index (plugin, 0, nil, true)
	track:panner_shell ():set_bypassed (true)
	tracks[index], plugins[index] = track:to_track (), plugin
end

-- The plug-in runs a few cycles, as it does once a user inserts it.
ARDOUR.LuaAPI.usleep (engineSettleMicroseconds)

for index, plugin in ipairs (plugins) do
	for parameter, parameterName in ipairs (parameterNames) do
		local control = controlFor (plugin, parameterName)
		assert (control, "no control for " .. parameterName)
		print (string.format ("shown %d %s %.9g", index, parameterName, control:get_value ()))
		control:set_value (values[parameter], PBD.GroupControlDisposition.NoGroup)
	end
end

for _, track in ipairs (tracks) do
	track:rec_enable_control ():set_value (1, PBD.GroupControlDisposition.NoGroup)
end

Session:maybe_enable_record (false)
Session:request_roll (ARDOUR.TransportRequestSource.TRS_UI)
ARDOUR.LuaAPI.usleep (takeMs * 1000)
Session:request_stop (false, false, ARDOUR.TransportRequestSource.TRS_UI)
ARDOUR.LuaAPI.usleep (engineSettleMicroseconds)
Session:disable_record (false, false)

for index, track in ipairs (tracks) do
	track:rec_enable_control ():set_value (0, PBD.GroupControlDisposition.NoGroup)
	local region = nil
	for recorded in track:playlist ():region_list ():iter () do region = recorded end
	assert (region, "track " .. index .. " recorded nothing")
	region:set_position (Temporal.timepos_t (index * slot))
	local audio = region:to_audioregion ()
	audio:set_fade_in_active (false)
	audio:set_fade_out_active (false)
	local channel = 0
	for file in region:master_source_names ():iter () do
		print (string.format ("take %d %d %s", index, channel, file))
		channel = channel + 1
	end
	print (string.format ("region %d %d %d %d", index, region:position ():samples (), region:length ():samples (), region:start ():samples ()))
end

Session:save_state ("", false, false, false, false, false)
close_session ()
