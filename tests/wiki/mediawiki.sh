# A wiki for the module's tests and benchmark, sourced: Debian's MediaWiki
# with its Scribunto on SQLite in a fresh folder, set up by its maintenance
# scripts, the build's XML dump imported.
#   wiki_setup WORK DUMP_XML    then    wiki_maint SCRIPT [ARG]...
wiki_mediawiki=${MEDIAWIKI_DIR:-/usr/share/mediawiki}

wiki_maint() {
  local script=$1
  shift
  php "$wiki_mediawiki/maintenance/$script.php" --conf "$wiki_work/LocalSettings.php" "$@"
}

wiki_setup() {
  wiki_work=$1
  php "$wiki_mediawiki/maintenance/install.php" --dbtype=sqlite --dbpath="$wiki_work/db" --dbname=wiki \
    --server=http://127.0.0.1 --scriptpath= --confpath="$wiki_work" --extensions=Scribunto --skins= \
    --pass="mrvdate-$RANDOM-$RANDOM" --quiet "MRVDate test" Admin >"$wiki_work/install.log" 2>&1 ||
    { cat "$wiki_work/install.log" >&2; return 1; }
  # Scribunto's own Lua binaries are not in Debian's package: Debian's lua5.1.
  cat >>"$wiki_work/LocalSettings.php" <<'PHP'
$wgScribuntoDefaultEngine = 'luastandalone';
$wgScribuntoEngineConf['luastandalone']['luaPath'] = '/usr/bin/lua5.1';
PHP
  wiki_maint importDump --quiet "$2" >"$wiki_work/import.log" 2>&1 || { cat "$wiki_work/import.log" >&2; return 1; }
}

# Parses the wikitext file $1 as the page Timeline (eval.php runs each line
# as a statement); prints the Lua time the
# limit report gives, in seconds, and writes the HTML to $2.
wiki_lua_time() {
  WIKI_PAGE=$1 WIKI_HTML=$2 wiki_maint eval <<'PHP' | grep -o '^lua [0-9.]*' | cut -d' ' -f2
$po = MediaWiki\MediaWikiServices::getInstance()->getParser()->parse( file_get_contents( getenv( 'WIKI_PAGE' ) ), Title::newFromText( 'Timeline' ), ParserOptions::newFromAnon() );
file_put_contents( getenv( 'WIKI_HTML' ), $po->getText() );
echo 'lua ', $po->getLimitReportData()['scribunto-limitreport-timeusage'][0], "\n";
PHP
}
