-- The batch converter's line format done by the wiki module, for the
-- benchmark: each line of standard input converted, its line or message
-- written.   lua5.1 convert.lua MODULE sc|ey|aw < entries
local m = dofile(arg[1])
local calendar = arg[2]
local out = {}
for entry in io.lines() do
	local a = m._convert(calendar, entry)
	out[#out + 1] = a.line or a.message or ''
	if #out == 4096 then
		io.write(table.concat(out, '\n'), '\n')
		out = {}
	end
end
if #out > 0 then
	io.write(table.concat(out, '\n'), '\n')
end
