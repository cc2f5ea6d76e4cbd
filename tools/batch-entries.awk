# Writes the entries that tools/compare-batch.sh feeds to two builds of
# mrvdate-convert: every rule of the number reading and every path of the
# conversion, with both sides of every limit. Deterministic: same seed, same
# file (for a given awk).
function blanks(s,    out, i) { # a blank after every character, of three kinds
  out = ""
  for (i = 1; i <= length(s); i++)
    out = out substr(s, i, 1) substr(" \t ", i % 3 + 1, 1)
  return out
}
BEGIN {
  srand(12)
  # Every two-decimal SC date, and every three-decimal one (single-precision
  # fractions in the EY field, near-halfway writing).
  for (i = 0; i <= 70000; i++) printf "%d.%02d\n", int(i / 100), i % 100
  for (i = 0; i <= 700000; i++) printf "%d.%03d\n", int(i / 1000), i % 1000
  # Every whole year in range on every calendar and beyond, with halves and
  # two-decimal fractions (nearest-even rounding, BC/BW sides).
  for (y = -40000; y <= 40000; y++) {
    printf "%d\n%d.5\n", y, y
    printf "%s%d.%02d\n", (y < 0 ? "-" : ""), (y < 0 ? -y : y), (y * 37) % 100 < 0 ? -((y * 37) % 100) : (y * 37) % 100
  }
  # 16-bit patterns and one beyond, both letter cases.
  for (i = 0; i <= 65536; i++) printf "&H%X\n&h%x\n&O%o\n", i, i, i
  printf "&O200000\n&H00000000FFFF\n&H1Fzz\n&O78\n&H\n&O\n&G\n& H 1 0\n&HFFFFFFFFFFFFFFFFFFFF\n"
  # Exponent forms across the double range and past both ends.
  for (e = -340; e <= 320; e++) printf "1e%d\n3.6198E%d\n-2.5e%+d\n0.0001e%d\n", e, e, e, e
  printf "1e\n1e+\n1e-\n1E+x\n2E-3\n1e99999999999\n1e-99999999999\n0e99999999999\n1d2\n1D2\n"
  # Blanks anywhere, other characters ending the number.
  for (i = 0; i <= 70000; i += 7) printf "%s\n", blanks(sprintf("%d.%02d", int(i / 100), i % 100))
  for (y = -35000; y <= 35000; y += 11) printf "%s\n", blanks(sprintf("%d", y))
  printf "\n0\n 0\n0 \n00\n0.0\n-0\n+0\nabc\n-\n.\n$5\n--5\n+-5\n-.e1\n361,98\n1,000\n1.2.3\n.5\n5.\n0x10\n"
  printf "12\r3\n2002\r\n0\r\n361.98\xc2\xa0\n1 000\n- 5\n+7\n"
  printf ":5\n5:\n/5\n5/\n1e1:\n1e:5\n&H1:\n&HFg\n"
  # Long mantissas: many zeros before or after the digits, long digit runs.
  z = "0000000000"; for (i = 0; i < 5; i++) z = z z
  printf "%s361.98\n0.%s1\n1%s\n361.98%s1\n1%se-320\n0.%s1e320\n", z, z, z, z, z, z
  for (i = 0; i < 2000; i++) {
    d = ""; n = 17 + int(rand() * 40)
    for (j = 0; j < n; j++) d = d int(rand() * 10)
    printf "%s.%se%d\n", substr(d, 1, 3), substr(d, 4), int(rand() * 8) - 4
  }
  # Exact binary ties of the writers, written out exactly: SC dates whose
  # hundredfold has a fraction of 1/2 to 1/128 (EY singles whose 8th and last
  # significant digit is a 5, rounded to 7), and EY years with 16 significant
  # digits, the last a 5 (doubles rounded to 15).
  for (h = 1147; h <= 66681; h += 23)
    for (j = 2; j < 256; j += 2) {
      n = h * 256 + j
      printf "%d.%010.0f\n", int(n / 25600), (n % 25600) * 390625
    }
  for (y = 10000; y <= 34853; y += 13)
    for (j = 1; j < 2048; j += 16) printf "%s%d.%011.0f\n", (y % 2 ? "-" : ""), y, j * 48828125
  for (y = 1000; y <= 9999; y += 37)
    for (j = 1; j < 4096; j += 32) printf "%d.%012.0f\n", y, j * 244140625
  # Random decimals as users and scripts write them: 1 to 12 significant
  # digits, with and without an exponent.
  for (i = 0; i < 1000000; i++) {
    v = rand() * 10 ^ (int(rand() * 7) - 2)
    if (rand() < 0.3) v = -v
    k = int(rand() * 4)
    if (k == 0) printf "%.*g\n", 1 + int(rand() * 12), v
    else if (k == 1) printf "%.*f\n", int(rand() * 6), v * 100
    else if (k == 2) printf "%.*e\n", int(rand() * 8), v
    else printf "%d.%d\n", int(v * 1000), int(rand() * 100000)
  }
}
