# Connection settings of the private Firebird server, shared by every script.
# Each may be set beforehand to point the tests at another server.
: "${QOR_FB_HOST:=127.0.0.1}"
: "${QOR_FB_PORT:=3056}"
: "${QOR_FB_SYSDBA_PASSWORD:=plemtu}"
: "${QOR_FB_USER:=VBLMRTQ8}"
: "${QOR_FB_USER_PASSWORD:=wuvo}"
: "${QOR_FB_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/fbserver}"
# Folder where tests create their throw-away databases (the server must see it).
: "${QOR_FB_DATA:=$QOR_FB_ROOT/data}"
export QOR_FB_HOST QOR_FB_PORT QOR_FB_SYSDBA_PASSWORD QOR_FB_USER QOR_FB_USER_PASSWORD QOR_FB_ROOT QOR_FB_DATA
# Clients and server keep their lock and temp files inside the instance folder.
export FIREBIRD_LOCK="$QOR_FB_ROOT/lock" FIREBIRD_TMP="$QOR_FB_ROOT/tmp" FIREBIRD_MSG="$QOR_FB_ROOT"
unset ISC_USER ISC_PASSWORD FIREBIRD_BOOT_BUILD
