# Shared settings of the project's scripts: one Wine prefix inside the project,
# a Japanese locale (ANSI code page 932), no Mono/Gecko installers, and no winemenubuilder: it
# would read a program whose shortcut was just made (holding its file, so an uninstall that follows
# finds it busy) and write desktop menus into the home folder.
PIMMO_ROOT=${PIMMO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$PIMMO_ROOT/.wine}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=}
# PIMMO_LANG=en: an English Windows instead (display language English, code page 1252); Wine
# takes both from the locale.
if [ "${PIMMO_LANG:-ja}" = en ]; then
    export LANG=en_US.UTF-8
    export LC_ALL=en_US.UTF-8
else
    export LANG=ja_JP.UTF-8
    export LC_ALL=ja_JP.UTF-8
fi
