-- Lists the Velorin plug-ins Ardour finds and inserts each on a track of its own:
--   ardour7-lua find-installed.lua DIR NAME
-- prints "found FORMAT PATH" for each one found (LV2 plug-ins have no path in
-- Ardour) and "loaded FORMAT" for each one that Ardour inserted.

local dir, name = arg[1], arg[2]
local formats = { [ARDOUR.PluginType.LXVST] = "VST2", [ARDOUR.PluginType.VST3] = "VST3", [ARDOUR.PluginType.LV2] = "LV2" }

assert (load_session (dir, name), "cannot load the session")

for info in ARDOUR.LuaAPI.list_plugins ():iter () do
	if info.name == "Velorin" and formats[info.type] then
		print (string.format ("found %s %s", formats[info.type], info.path))
	end
end

for type, format in pairs (formats) do
	local plugin = ARDOUR.LuaAPI.new_plugin (Session, "Velorin", type, "")
	if not plugin:isnil () then
		local track = Session:new_audio_track (2, 4, nil, 1, format, ARDOUR.PresentationInfo.max_order, ARDOUR.TrackMode.Normal, true):front ()
		track:add_processor_by_index (plugin, 0, nil, true)
		print ("loaded " .. format)
	end
end

close_session ()
