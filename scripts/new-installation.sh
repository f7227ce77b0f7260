#!/usr/bin/env bash
# Makes the installation /var/lib/voice-notice/NAME (settings, database, software board) with
# "Server --init", gives it to the service's user and enables and starts its unit voice-notice@NAME.
# Run as root on a machine where the voice-notice package is installed.
set -euo pipefail

usage() {
    cat <<'EOT'
usage: new-installation.sh [--voices VOICES] [--no-start] NAME

  NAME            the installation's name: letters, digits, '-' and '_'; its folder is
                  /var/lib/voice-notice/NAME and its unit voice-notice@NAME.service
  --voices VOICES take the voice database and prompts that make-voices.sh wrote into VOICES
  --no-start      enable the unit without starting it now
  --no-unit       make the folder only; leave the unit alone
EOT
}

voices=()
start=1
unit=1
name=
while [ $# -gt 0 ]; do
    case $1 in
    --voices) [ $# -ge 2 ] || { usage >&2; exit 2; }; voices=(--voices "$2"); shift 2 ;;
    --no-start) start=0; shift ;;
    --no-unit) unit=0; shift ;;
    -h|--help) usage; exit 0 ;;
    -*) usage >&2; exit 2 ;;
    *) [ -z "$name" ] || { usage >&2; exit 2; }; name=$1; shift ;;
    esac
done
if [ -z "$name" ] || ! [[ $name =~ ^[A-Za-z0-9_-]+$ ]]; then
    usage >&2
    exit 2
fi

root=${VOICE_NOTICE_ROOT:-/var/lib/voice-notice}
dir=$root/$name
server=${VOICE_NOTICE_SERVER:-Server}
if [ -e "$dir/Setup.ini" ]; then
    echo "new-installation: $dir is an installation already; nothing changed" >&2
    exit 1
fi
"$server" --init "$dir" "${voices[@]}"
if getent passwd voice-notice >/dev/null; then
    chown -R voice-notice:voice-notice "$dir"
fi
echo "new-installation: made $dir"
if [ "$unit" = 0 ]; then
    :
elif command -v systemctl >/dev/null && [ -d /run/systemd/system ]; then
    if [ "$start" = 1 ]; then
        systemctl enable --now "voice-notice@$name.service"
    else
        systemctl enable "voice-notice@$name.service"
    fi
else
    echo "new-installation: systemd is not running here; enable voice-notice@$name.service when it is" >&2
fi
