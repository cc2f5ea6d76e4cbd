-- The module's answers against the batch converter's, entry by entry:
--   lua5.1 compare.lua MODULE jsonl|line CALENDAR SEP ENTRIES ANSWERS
-- jsonl: ANSWERS is `mrvdate-convert --format jsonl` of ENTRIES, every field
-- compared ("." as point); line: its line format under a locale whose
-- decimal separator is SEP. The batch converter words the not-a-number
-- message its own way, and answers an empty entry, which the module takes as
-- nothing typed, as not a number: those are compared as kinds. Prints the
-- count compared and the first differences; fails on any.
local modulePath, mode, calendar, sep, entriesPath, answersPath = unpack(arg)
local m = dofile(modulePath)

local function json(v)
	return v and ('"' .. v .. '"') or 'null'
end

local function jsonNumber(v)
	return v or 'null'
end

local refusedNumbers = ',"sc_value":null,"ey_year":null,"aw_year":null}'

-- Whether `got`, the converter's answer after its entry, is `a`'s.
local function sameJsonl(a, got)
	if a.kind == 'converted' then
		return got == '","sc":' .. json(a.sc) .. ',"ey":' .. json(a.ey) .. ',"aw":' .. json(a.aw)
			.. ',"error":null,"message":null,"sc_value":' .. jsonNumber(a.sc_value) .. ',"ey_year":'
			.. jsonNumber(a.ey_year) .. ',"aw_year":' .. jsonNumber(a.aw_year) .. '}'
	end
	local kind = a.kind == 'nothing-typed' and 'not-a-number' or a.kind
	local head = '","sc":null,"ey":null,"aw":null,"error":"' .. kind .. '","message":"'
	if got:sub(1, #head) ~= head or got:sub(-#refusedNumbers) ~= refusedNumbers then
		return false
	end
	local message = got:sub(#head + 1, -#refusedNumbers - 2)
	return kind == 'not-a-number' and message:find('^Sorry, \\"') ~= nil or message == a.message
end

local function sameLine(a, got)
	if a.kind == 'converted' then
		return got == a.line
	elseif a.kind == 'not-a-number' or a.kind == 'nothing-typed' then
		return got:find('^Sorry, ".*is not a number%.$') ~= nil
	end
	return got == a.message
end

local answers = assert(io.open(answersPath, 'rb'))
local compared, differences = 0, 0
for entry in io.lines(entriesPath) do
	entry = entry:gsub('\r$', '') -- as the converter reads a line
	local got = answers:read('*l')
	local a = m._convert(calendar, entry, { sep = sep })
	local same
	if mode == 'jsonl' then
		local at = got and got:find('","sc":', 1, true) -- the entry's text has no bare quote
		same = at and sameJsonl(a, got:sub(at))
	else
		same = got and sameLine(a, got)
	end
	compared = compared + 1
	if not same then
		differences = differences + 1
		if differences <= 10 then
			local shown = entry:gsub('%c', function(c)
				return '\\' .. c:byte()
			end)
			io.stderr:write(('wiki: %s "%s": module %s, converter %s\n'):format(calendar, shown,
				a.line or a.message or a.kind, tostring(got)))
		end
	end
end
assert(answers:read('*l') == nil, 'the converter gave more answers than entries')
print(('wiki: %s, "%s": %d answers compared, %d differences'):format(calendar, sep, compared, differences))
os.exit(differences == 0 and 0 or 1)
