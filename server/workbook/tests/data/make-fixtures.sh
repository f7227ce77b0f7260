#!/usr/bin/env bash
# Makes people.xls and people.xlsx from people.fods with LibreOffice: workbooks as another program
# writes them, for the reader's tests. Run it again only when people.fods changes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
for format in xls xlsx; do
    soffice -env:UserInstallation=file://"$profile" --headless --convert-to "$format" --outdir "$here" "$here/people.fods"
done
