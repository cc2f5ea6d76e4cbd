# What a user might script instead of mrvdate-convert --from sc, for SC
# dates with at most two decimals: the same arithmetic and the same output.
# bench/run.sh checks that it writes exactly the converter's bytes.
{
  h = $0 * 100
  h = h < 0 ? -int(-h + 0.5) : int(h + 0.5)
  if (h > 66681 || h < 1147) { print "Sorry, that date is out of range.  Please try again."; next }
  aw = h - 33914
  ey = h >= 31829 ? h - 31828 : h - 31829
  printf "SC %d.%02d  -  EY %d %s  -  %s %d\n", int(h / 100), h % 100, (ey < 0 ? -ey : ey), (ey > 0 ? "AD" : "BC"),
    (aw < 0 ? "BW" : "AW"), (aw < 0 ? -aw : aw)
}
