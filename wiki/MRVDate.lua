-- Module:MRVDate: converts a year between the calendars of the Morvane
-- timeline, Space Century (SC), Earth Year (EY) and After War (AW), giving
-- byte for byte the lines of the Morvane Timeline Date Converter.
--
-- Lua 5.1 as Scribunto runs it: doubles only, so the converter's single
-- precision and its 16-bit rounding are done here by exact arithmetic.
-- From a template: {{#invoke:MRVDate|convert|ey=2002}}; from a module:
-- require('Module:MRVDate')._convert('ey', '2002', { sep = ',' }).
local p = {}

local floor, frexp, ldexp = math.floor, math.frexp, math.ldexp
local format = string.format

-- The converter's texts (resources/texts.json in its repository).
local messages = {
	['out-of-range'] = 'Sorry, that date is out of range.  Please try again.',
	['year-zero'] = 'There is no such date as 0 AD.  The Gregorian calendar jumps from 1 BC to 1 AD.',
	['not-a-number'] = 'Sorry, "%1" is not a date.  Please type a number: BC and BW years with a minus.',
}
local calendarNames = { sc = 'Space Century', ey = 'Earth Year', aw = 'After War' }
-- A refused entry longer than this many characters shows its first ones.
local shownEntry = 40

---------------------------------------------------------------------------
-- Rounding

local two52 = 2 ^ 52

-- Nearest integer, ties to even, of a value below 2^52 in magnitude: the
-- sum's own rounding does it.
local function roundHalfEven(v)
	if v < 0 then
		return -((-v + two52) - two52)
	end
	return (v + two52) - two52
end

-- Nearest-even rounding to a 16-bit integer; nil where it cannot be held.
local function roundToInt16(v)
	if not (v > -32769 and v < 32768) then
		return nil
	end
	local r = roundHalfEven(v)
	if r < -32768 or r > 32767 then
		return nil
	end
	return r
end

-- Halfway between the largest single and 2^128: from there on the nearest
-- single is infinity.
local singleOverflow = ldexp(2 ^ 25 - 1, 103)

-- Single-precision storage: the nearest single, ties to even, as a double;
-- nil beyond the single range. A single has 24 significant bits, and its
-- subnormals a step of 2^-149.
local function toSingle(x)
	if not (x < singleOverflow and x > -singleOverflow) then
		return nil
	end
	if x == 0 then
		return x
	end
	local _, e = frexp(x)
	local step = e - 24
	if step < -149 then
		step = -149
	end
	return ldexp(roundHalfEven(ldexp(x, -step)), step)
end

---------------------------------------------------------------------------
-- Reading: blanks anywhere dropped, then wholly one number

-- The value of a 16-bit "&H"/"&O" pattern; nil when it is wider.
local function radixValue(digits, radix)
	local v = 0
	for i = 1, #digits do
		v = v * radix + tonumber(digits:sub(i, i), 16)
		if v > 0xFFFF then
			return nil
		end
	end
	return v >= 0x8000 and v - 0x10000 or v
end

-- 'number' and its value (nil: beyond the double range), 'nothing' for an
-- empty or blank entry, or 'not-a-number'.
local function readEntry(text, sep)
	local t = text:gsub('[ \t\n]', '')
	if t == '' then
		return 'nothing'
	end
	if sep == ',' and t:find(',', 1, true) then
		if t:find('.', 1, true) then
			return 'not-a-number' -- both points: no number
		end
		t = t:gsub(',', '.')
	end
	local hex = t:match('^&[Hh](%x+)$')
	if hex then
		return 'number', radixValue(hex, 16)
	end
	local octal = t:match('^&[Oo]([0-7]+)$')
	if octal then
		return 'number', radixValue(octal, 8)
	end
	local body = t:match('^[+-]?(.*)$')
	local rest = body:match('^%d+%.?%d*(.*)$') or body:match('^%.%d+(.*)$')
	if not rest or not (rest == '' or rest:find('^[Ee][+-]?%d+$')) then
		return 'not-a-number'
	end
	local v = tonumber(t) -- the C library's reading: the nearest double
	if v == nil then
		return 'not-a-number'
	end
	if v == 1 / 0 or v == -1 / 0 then
		return 'number', nil
	end
	return 'number', v
end

---------------------------------------------------------------------------
-- Writing

-- Number text: `significant` digits rounded from the exact binary value,
-- ties to even (the C library's "%e"), positional for decimal exponents from
-- -4 to `maxExponent`, else "1E-07" and the like. "." as the point.
local function numberText(v, significant, maxExponent)
	if v == 0 then
		return '0'
	end
	local sign = v < 0 and '-' or ''
	local a = v < 0 and -v or v
	if a < 10 ^ significant and floor(a) == a then
		return sign .. format('%.0f', a)
	end
	local mantissa, exponent = format('%.' .. (significant - 1) .. 'e', a):match('^(.-)e(.*)$')
	local digits = mantissa:gsub('%.', ''):gsub('0+$', '')
	local e = tonumber(exponent)
	if e >= -4 and e <= maxExponent then
		if e >= 0 then
			if #digits <= e + 1 then
				return sign .. digits .. string.rep('0', e + 1 - #digits)
			end
			return sign .. digits:sub(1, e + 1) .. '.' .. digits:sub(e + 2)
		end
		return sign .. '0.' .. string.rep('0', -e - 1) .. digits
	end
	local text = digits:sub(1, 1)
	if #digits > 1 then
		text = text .. '.' .. digits:sub(2)
	end
	return sign .. text .. format('E%s%02d', e < 0 and '-' or '+', e < 0 and -e or e)
end

local function singleText(v)
	return numberText(v, 7, 6)
end

local function doubleText(v)
	return numberText(v, 15, 14)
end

-- Two decimals written from hundredths, a whole number.
local function hundredthsText(h)
	local cents = h < 0 and -h or h
	local whole = (cents - cents % 100) / 100
	return format('%s%d.%02d', h < 0 and '-' or '', whole, cents % 100)
end

-- Fixed two-decimal text of a single: its hundredfold is exact in a double,
-- so rounding that, ties to even, is the exactly rounded value. A value that
-- rounds to zero is "0.00".
local function fixedTwoDecimalText(v)
	return hundredthsText(roundHalfEven(v * 100))
end

---------------------------------------------------------------------------
-- The three calendars: one count of years, the hundredfold SC value H;
-- AW = H - 33914, EY = H - 31828 from 1 AD (H >= 31829), H - 31829 before.
-- Each path gives the SC text, the EY year with its text, and the AW year,
-- or nil outside its calendar's limits (oversized entries included).

local paths = {}

function paths.sc(entry)
	local h = entry and toSingle(entry * 100)
	if not h or not (h <= 66681 and h >= 1147) then
		return nil
	end
	local ey = toSingle(h >= 31829 and h - 31828 or h - 31829)
	local sc
	if floor(h) == h then
		sc = hundredthsText(h) -- two decimals at most, as users enter dates
	else
		sc = fixedTwoDecimalText(toSingle(h / 100))
	end
	return sc, ey, singleText(ey < 0 and -ey or ey), roundToInt16(h - 33914)
end

function paths.ey(year)
	if not year or year > 34853 or year < -30682 then
		return nil
	end
	local sc, aw
	if year > 0 then
		sc, aw = year * 0.01 + 318.28, year - 2086
	else -- BC: 1 BC is H 31828
		sc, aw = year * 0.01 + 318.29, year - 2085
	end
	return fixedTwoDecimalText(toSingle(sc)), year, doubleText(year < 0 and -year or year), roundToInt16(aw)
end

function paths.aw(entry)
	local a = entry and roundToInt16(entry)
	if not a or a > 32767 or a < -32767 then
		return nil
	end
	local ey = a >= -2085 and a + 2086 or a + 2085 -- AW -2086 is 1 BC
	return fixedTwoDecimalText(toSingle(a * 0.01 + 339.14)), ey, format('%d', ey < 0 and -ey or ey), a
end

---------------------------------------------------------------------------
-- Answers

-- The message of a refused entry: the entry as typed, cut after
-- `shownEntry` characters (never inside one), through `shown` if given.
local function notANumberMessage(entry, shown)
	local characters, length = 0, #entry
	for i = 1, #entry do
		local b = entry:byte(i)
		if b < 0x80 or b >= 0xC0 then
			if characters == shownEntry then
				length = i - 1
				break
			end
			characters = characters + 1
		end
	end
	local cut = entry:sub(1, length)
	cut = (shown and shown(cut) or cut) .. (length < #entry and '...' or '')
	local text = messages['not-a-number']
	local at = text:find('%1', 1, true)
	return text:sub(1, at - 1) .. cut .. text:sub(at + 2)
end

local function refused(kind, entry)
	local message = kind == 'not-a-number' and notANumberMessage(entry) or messages[kind]
	return { kind = kind, message = message }
end

-- Converts `entry` on `calendar` ('sc', 'ey' or 'aw', any case) by the
-- converter window's rule: blanks anywhere dropped, the rest wholly one
-- number, every zero on EY the year zero, an empty entry nothing to convert.
-- options.sep = ',' reads and writes a decimal comma. Gives the fields of the
-- batch converter's JSON Lines: kind ('converted', 'out-of-range',
-- 'year-zero', 'not-a-number', or 'nothing-typed' for an empty entry),
-- line, message, sc, ey, aw, and sc_value, ey_year, aw_year as the JSON
-- numbers' texts ("." as point); nil where those are null.
function p._convert(calendar, entry, options)
	local sep = options and options.sep == ',' and ',' or '.'
	local path = paths[tostring(calendar):lower()]
	entry = tostring(entry or '')
	if not path then
		error('MRVDate: the calendar is sc, ey or aw, not ' .. tostring(calendar), 2)
	end
	local reading, value = readEntry(entry, sep)
	if reading == 'nothing' then
		return { kind = 'nothing-typed' }
	elseif reading ~= 'number' then
		return refused('not-a-number', entry)
	elseif path == paths.ey and value == 0 then -- -0 too
		return refused('year-zero', entry)
	end
	local sc, ey, eyText, aw = path(value)
	if not sc then
		return refused('out-of-range', entry)
	end
	local awText = format('%d', aw < 0 and -aw or aw)
	local a = {
		kind = 'converted',
		sc_value = sc,
		ey_year = (ey < 0 and '-' or '') .. eyText,
		aw_year = (aw < 0 and '-' or '') .. awText,
		sc = sc:gsub('%.', sep),
		ey = eyText:gsub('%.', sep) .. (ey > 0 and ' AD' or ' BC'),
		aw = (aw < 0 and 'BW ' or 'AW ') .. awText,
	}
	a.line = 'SC ' .. a.sc .. '  -  EY ' .. a.ey .. '  -  ' .. a.aw
	return a
end

---------------------------------------------------------------------------
-- The template's function

-- Text shown as typed inside wikitext: ASCII punctuation and controls as
-- character references, so that no markup in it takes effect.
local function escaped(text)
	return (text:gsub('[%c!-/:-@\91-`{-~]', function(c)
		return '&#' .. c:byte() .. ';'
	end))
end

local function errorSpan(text)
	return '<strong class="error">' .. text .. '</strong>'
end

local function tableOf(a)
	local rows = { '{| class="wikitable"' }
	for _, c in ipairs({ { 'sc', 'SC ' .. a.sc }, { 'ey', 'EY ' .. a.ey }, { 'aw', a.aw } }) do
		rows[#rows + 1] = '|-\n! ' .. calendarNames[c[1]] .. ' (' .. c[1]:upper() .. ')\n| ' .. c[2]
	end
	return table.concat(rows, '\n') .. '\n|}'
end

-- Each argument looked up is a call into the wiki: pairs() copies them all
-- in one.
local function copied(frameArgs)
	local args = {}
	for k, v in pairs(frameArgs) do
		args[k] = v
	end
	return args
end

-- {{#invoke:MRVDate|convert|ey=2002}}, or the same arguments given to a
-- template that invokes it without any: sc=, ey= or aw= (the first of them
-- given), part=sc|ey|aw, sep=, and format=line|table.
function p.convert(frame)
	local args = copied(frame.args)
	if not (args.sc or args.ey or args.aw) and frame.getParent and frame:getParent() then
		args = copied(frame:getParent().args)
	end
	local calendar = (args.sc and 'sc') or (args.ey and 'ey') or (args.aw and 'aw')
	if not calendar then
		return errorSpan('MRVDate: give the date as sc=, ey= or aw=.')
	end
	local a = p._convert(calendar, args[calendar], { sep = args.sep })
	if a.kind == 'nothing-typed' then
		return ''
	elseif a.kind == 'not-a-number' then
		return errorSpan(notANumberMessage(args[calendar], escaped))
	elseif a.kind ~= 'converted' then
		return errorSpan(a.message)
	end
	local part = args.part and args.part:lower()
	if part == 'sc' then
		return 'SC ' .. a.sc
	elseif part == 'ey' then
		return 'EY ' .. a.ey
	elseif part == 'aw' then
		return a.aw
	elseif args.format == 'table' then
		return tableOf(a)
	end
	return a.line
end

return p
