-- Reopens a test session in Ardour's Lua session tool and prints the values the
-- host shows for the plug-in's six parameters on every track, once the engine has
-- run the plug-ins for a few cycles:
--   ardour7-lua show-values.lua DIR NAME
-- prints "shown TRACK NAME VALUE" lines, tracks numbered in session order from 1.

local dir, name = arg[1], arg[2]

local parameterNames = { "Azimuth", "Elevation", "Distance", "Width", "Gain", "showOnOrbelScene" }
local engineSettleMicroseconds = 300000

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

assert (load_session (dir, name), "cannot load the session")
ARDOUR.LuaAPI.usleep (engineSettleMicroseconds)

local index = 0
for track in Session:get_tracks ():iter () do
	index = index + 1
	local plugin = track:nth_plugin (0)
	assert (not plugin:isnil (), "track " .. index .. " has lost its plug-in")
	for _, parameterName in ipairs (parameterNames) do
		local control = controlFor (plugin, parameterName)
		assert (control, "no control for " .. parameterName)
		print (string.format ("shown %d %s %.9g", index, parameterName, control:get_value ()))
	end
end

close_session ()
