# The package's desktop files pass desktop-file-validate, and xscreensaver's
# description of Skyfolio is well-formed XML whose command carries "--root",
# which xscreensaver-settings rebuilds the command line from.
#
#   package_files_check.sh <package folder>
set -eu
for tool in desktop-file-validate xmllint; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
desktop-file-validate "$1/skyfolio.desktop" "$1/skyfolio-settings.desktop"
xmllint --noout "$1/skyfolio.xml"
[ "$(xmllint --xpath 'string(/screensaver/command/@arg)' "$1/skyfolio.xml")" = --root ]
[ "$(xmllint --xpath 'string(/screensaver/@name)' "$1/skyfolio.xml")" = skyfolio ]
