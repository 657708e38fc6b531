-- Builds the session that the test of Ardour's own window opens:
--   ardour7-lua gui-session.lua DIR NAME FORMAT TRACKS
-- TRACKS mono tracks, each with the plug-in first in its chain and four outputs,
-- saved with the transport stopped. Prints "ready" once saved.

local dir, name, format, count = arg[1], arg[2], arg[3], tonumber (arg[4])
local pluginTypes = { VST2 = ARDOUR.PluginType.LXVST, VST3 = ARDOUR.PluginType.VST3, LV2 = ARDOUR.PluginType.LV2 }

assert (load_session (dir, name), "cannot load the session")
Session:master_out ():panner_shell ():set_bypassed (true)

for index = 1, count do
	local track = Session:new_audio_track (1, 4, nil, 1, "T" .. index, ARDOUR.PresentationInfo.max_order, ARDOUR.TrackMode.Normal, true):front ()
	local plugin = ARDOUR.LuaAPI.new_plugin (Session, "Velorin", pluginTypes[format], "")
	assert (not plugin:isnil (), "Ardour cannot find the " .. format .. " plug-in")
	track:add_processor_by_index (plugin, 0, nil, true)
	track:panner_shell ():set_bypassed (true)
end

ARDOUR.LuaAPI.usleep (300000)
Session:save_state ("", false, false, false, false, false)
close_session ()
print ("ready")
