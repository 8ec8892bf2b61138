#!/usr/bin/env bash
# The installed program: `cmake --install` into a temporary prefix made
# read-only, then the program run as a user who cannot write there, with a
# temporary home. It starts, Exit writes the settings into the per-user
# folder and nothing into the prefix; the desktop entry and the metainfo are
# valid where the validators are installed. Then the prefix moves, and the
# program starts from its new place.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}
build=$(dirname "$program")

e2e_setup "$program" 24
chmod 755 "$E2E_TMP"
prefix=$E2E_TMP/prefix
if cmake --install "$build" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1; then pass "installed"; else fail "install failed"; cat "$E2E_TMP/install.log"; fi
for f in bin/brushwell bin/brushwell-picture-maker share/brushwell/aobj_se1.cfg share/brushwell/aobj_gid.txt \
         share/doc/brushwell/aobj_gid.html share/man/man1/brushwell.1.gz \
         share/brushwell/aobj_gid.he.txt share/doc/brushwell/aobj_gid.he.html share/doc/brushwell/aobj_gid.nl.html \
         share/applications/org.brushwell.Brushwell.desktop bin/brushwell-workshop share/metainfo/org.brushwell.Brushwell.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.brushwell.Brushwell.svg share/icons/hicolor/48x48/apps/org.brushwell.Brushwell.png \
         share/applications/org.brushwell.Brushwell.Workshop.desktop share/man/man1/brushwell-workshop.1.gz \
         share/icons/hicolor/scalable/apps/org.brushwell.Brushwell.Workshop.svg \
         share/icons/hicolor/48x48/apps/org.brushwell.Brushwell.Workshop.png; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.brushwell.Brushwell.desktop" && pass "desktop entry valid" || fail "desktop entry invalid"
  desktop-file-validate "$prefix/share/applications/org.brushwell.Brushwell.Workshop.desktop" >/dev/null &&
    pass "workshop desktop entry valid" || fail "workshop desktop entry invalid"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.brushwell.Brushwell.metainfo.xml" >/dev/null && pass "metainfo valid" || fail "metainfo invalid"
fi

chmod -R a-w "$prefix"
listing() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort | md5sum); }
before=$(listing)
home=$E2E_TMP/home
mkdir -p "$home"
# As root, a read-only folder is still writable: run as a user it is not.
as_user=()
if [ "$(id -u)" = 0 ]; then
  chown nobody "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
env -u XDG_DATA_HOME HOME="$home" "${as_user[@]}" "$prefix/bin/brushwell" >"$E2E_TMP/out.log" 2>&1 &
E2E_PID=$!
if id=$(e2e_wait_window "Options" 15); then pass "installed program shows its main menu"; else fail "no main window"; fi
sleep 0.5
e2e_shot installed-menu
mine=$home/.local/share/brushwell
[ -L "$mine/aobj_logo.jpg" ] && pass "pictures and sounds read from the installed data" || fail "no link to the installed data"
[ -f "$mine/pictures_1.pcf" ] && [ ! -L "$mine/pictures_1.pcf" ] && pass "the user has own picture lists" || fail "no own picture lists"
e2e_key "$id" Escape
if cid=$(e2e_wait_window "Credits" 5); then pass "Exit shows the credits"; else fail "no credits window"; fi
e2e_key "$cid" Escape
e2e_wait_exit 5
[ "$E2E_CODE" = "0" ] && pass "program ended" || fail "program did not end (got $E2E_CODE)"
[ "$(sed -n 6p "$mine/aobj_se1.cfg" | tr -d '\r')" = "$mine/" ] && pass "settings saved in the per-user folder" || fail "settings not saved there"
[ "$(listing)" = "$before" ] && pass "nothing written into the prefix" || fail "the prefix changed"

# The prefix moves (installed again elsewhere, a stick mounted under another
# name): the next start follows it; the user's settings and own link stay.
"${as_user[@]}" sed -i '35s/.*/Sam'"'"'s animals\r/' "$mine/aobj_se1.cfg"
"${as_user[@]}" ln -s "$home/own.bmp" "$mine/own.bmp"
mv "$prefix" "$E2E_TMP/moved"
prefix=$E2E_TMP/moved
env -u XDG_DATA_HOME HOME="$home" "${as_user[@]}" "$prefix/bin/brushwell" >"$E2E_TMP/out.log" 2>&1 &
E2E_PID=$!
if id=$(e2e_wait_window "Options" 15); then pass "starts after the data folder moved"; else fail "no main window after the move"; fi
sleep 0.5
e2e_shot moved-menu
[ "$(readlink "$mine/aobj_logo.jpg")" = "$prefix/share/brushwell/aobj_logo.jpg" ] && pass "links lead into the moved data folder" ||
  fail "the logo link leads to $(readlink "$mine/aobj_logo.jpg")"
[ "$(readlink "$mine/own.bmp")" = "$home/own.bmp" ] && pass "the user's own link stays" || fail "the user's own link changed"
e2e_key "$id" Escape
cid=$(e2e_wait_window "Credits" 5) && e2e_key "$cid" Escape
e2e_wait_exit 5
[ "$E2E_CODE" = "0" ] && pass "program ended" || fail "program did not end (got $E2E_CODE)"
[ "$(sed -n 35p "$mine/aobj_se1.cfg" | tr -d '\r')" = "Sam's animals" ] && pass "the user's settings stay" || fail "the user's settings changed"
[ "$(listing)" = "$before" ] && pass "nothing written into the moved prefix" || fail "the moved prefix changed"
chmod -R u+w "$prefix"
e2e_finish
