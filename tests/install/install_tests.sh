#!/usr/bin/env bash
# Checks of the installed system, one case per run:
#   install_tests.sh layout|runpath|commands|desktop|mime|package|builder
# Environment (set by CMakeLists.txt): QV_BUILD_DIR, QV_SOURCE_DIR, QV_VERSION, QV_HAVE_BUILDER
# (1 when the builder is part of the build), QV_DESKTOP_FILE_VALIDATE, QV_UPDATE_MIME_DATABASE,
# QV_XMLLINT, QV_READELF, QV_DPKG_DEB, QV_CPACK.
set -euo pipefail

desktop_src=$QV_SOURCE_DIR/resources/desktop
help_src=$QV_SOURCE_DIR/resources/help
mime_type=application/x-quorvane-project
icon_sizes=(16 22 24 32 48 64 128 256)
templates=(japanese_sys.dat english_sys.dat korean_sys.dat chinese_sys.dat)

work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

need_tool() {  # $1 what, $2 path found by CMake (empty when missing)
  [ -n "$2" ] && [ -x "$2" ] || fail "$1 is not installed (scripts/setup installs it)"
}

install_into() {
  cmake --install "$QV_BUILD_DIR" --prefix "$1" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install into $1 failed"; }
}

# What a layout must hold, one entry a line, sorted: "x PATH" an executable file, "f PATH" any
# other file, "d PATH" an empty folder, "l PATH -> TARGET" a symbolic link. Paths are relative to
# the prefix. Arguments: program folder, share folder, bin folder, and how a bin/ link reaches the
# program folder.
expected_layout() {
  local program=$1 share=$2 bin=$3 link_to_program=$4
  {
    echo "x $program/quorcomp"
    echo "x $program/qvres"
    echo "f $program/libquorcomp.so"
    echo "f $program/readme.txt"
    echo "f $program/manual.txt"
    echo "d $program/upx"
    echo "l $bin/quorcomp -> $link_to_program/quorcomp"
    if [ "$QV_HAVE_BUILDER" = 1 ]; then
      echo "x $program/quorbuild"
      for t in "${templates[@]}"; do echo "f $program/$t"; done
      echo "l $bin/quorbuild -> $link_to_program/quorbuild"
      echo "f $share/applications/quorvane-builder.desktop"
      echo "f $share/mime/packages/quorvane.xml"
      for s in "${icon_sizes[@]}"; do echo "f $share/icons/hicolor/${s}x$s/apps/quorvane-builder.png"; done
      echo "f $share/icons/hicolor/scalable/apps/quorvane-builder.svg"
    fi
  } | LC_ALL=C sort
}

# The same kind of listing of an installed tree.
tree_layout() {
  (cd "$1" && find . -mindepth 1 \( -type l -printf 'l %P -> %l\n' \) \
      -o \( -type f -perm -u+x -printf 'x %P\n' \) -o \( -type f -printf 'f %P\n' \) \
      -o \( -type d -empty -printf 'd %P\n' \)) | LC_ALL=C sort
}

# ... and of a .deb's data, from `dpkg-deb -c` (folders count only when nothing lies in them).
deb_layout() {
  "$QV_DPKG_DEB" -c "$1" | awk '
    { path = $6; sub(/^\.\//, "", path); sub(/\/$/, "", path); if (path == "" || path == ".") next
      kind = substr($1, 1, 1)
      if (kind == "d") { dirs[path] = 1; next }
      for (p = path; sub(/\/[^\/]*$/, "", p); ) used[p] = 1
      if (kind == "l") print "l " path " -> " $8
      else if (substr($1, 4, 1) == "x") print "x " path
      else print "f " path }
    END { for (d in dirs) if (!(d in used)) print "d " d }' | LC_ALL=C sort
}

same_layout() {  # $1 expected listing, $2 actual listing, $3 what
  diff -u --label expected "$1" --label "$3" "$2" >&2 || fail "$3 differs from the layout above"
}

same_file() {  # $1 expected, $2 installed
  cmp -s "$1" "$2" || fail "$2 is not a copy of $1"
}

case_layout() {
  local p=$work/prefix
  install_into "$p"
  expected_layout lib/quorvane share bin ../lib/quorvane >"$work/expected"
  tree_layout "$p" >"$work/actual"
  same_layout "$work/expected" "$work/actual" "cmake --install --prefix P"
  for h in readme.txt manual.txt; do
    same_file "$help_src/$h" "$p/lib/quorvane/$h"
    iconv -f UTF-8 -t UTF-8 "$help_src/$h" >/dev/null || fail "$h is not UTF-8 text"
  done
  if [ "$QV_HAVE_BUILDER" = 1 ]; then
    for t in "${templates[@]}"; do same_file "$QV_BUILD_DIR/bin/$t" "$p/lib/quorvane/$t"; done
    same_file "$desktop_src/quorvane-builder.desktop" "$p/share/applications/quorvane-builder.desktop"
    same_file "$desktop_src/quorvane.xml" "$p/share/mime/packages/quorvane.xml"
  fi
  # The program folder of the build tree carries the same help files the builder opens.
  for h in readme.txt manual.txt; do same_file "$help_src/$h" "$QV_BUILD_DIR/bin/$h"; done
}

# Installed programs must not lean on the build tree: their run path is their own folder only.
case_runpath() {
  local p=$work/prefix f paths loaded
  need_tool readelf "$QV_READELF"
  install_into "$p"
  for f in "$p"/lib/quorvane/*; do
    [ -f "$f" ] && [ "$(head -c 4 "$f" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
    paths=$("$QV_READELF" -d "$f" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/\2/p')
    case "$(basename "$f")" in
      quorcomp|quorbuild) [ "$paths" = '$ORIGIN' ] || fail "$f has run path '$paths', not \$ORIGIN" ;;
      *) [ -z "$paths" ] || [ "$paths" = '$ORIGIN' ] || fail "$f has run path '$paths'" ;;
    esac
  done
  loaded=$(ldd "$p/lib/quorvane/quorcomp")
  [[ "$loaded" == *"libquorcomp.so => $p/lib/quorvane/libquorcomp.so "* ]] ||
    fail "the installed quorcomp does not load the installed library: $loaded"
}

# The installed commands work from wherever the prefix is moved to.
case_commands() {
  local p=$work/moved version package
  install_into "$work/prefix"
  mv "$work/prefix" "$p"
  version=$("$p/bin/quorcomp" --version) || fail "quorcomp --version failed"
  [ "$version" = "$QV_VERSION" ] || fail "quorcomp --version says '$version', not $QV_VERSION"
  package=$work/out/サンプル.run
  mkdir -p "$work/out"
  "$p/bin/quorcomp" "$QV_SOURCE_DIR/examples/sample/sample.ipp" "$package" >"$work/quorcomp.log" 2>&1 ||
    { cat "$work/quorcomp.log" >&2; fail "the installed quorcomp did not build the sample"; }
  [ -x "$package" ] || fail "no executable package at $package"
  "$p/lib/quorvane/qvres" list "$package" >"$work/list" || fail "qvres list failed on the package"
  grep -q "ICONPACKINFO" "$work/list" && grep -q "_ICONPACK0" "$work/list" ||
    fail "the package lacks its resources: $(cat "$work/list")"
  "$p/lib/quorvane/qvres" extract "$package" 10 ICONPACKINFO >"$work/info" || fail "qvres extract failed"
  grep -q "^iconcount=" "$work/info" || fail "ICONPACKINFO of the package holds no icon count"
  tr -d '\r' <"$work/info" | cmp -s - <(tr -d '\r' <"$QV_SOURCE_DIR/examples/sample/sample_iconpackinfo.txt") ||
    fail "ICONPACKINFO of the package is not the sample's package information"
}

# The value of KEY in the [Desktop Entry] group of a desktop file.
desktop_value() {
  sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1" | head -n 1
}

case_desktop() {
  local entry=$desktop_src/quorvane-builder.desktop icons=$desktop_src/icons
  need_tool desktop-file-validate "$QV_DESKTOP_FILE_VALIDATE"
  if [ "$QV_HAVE_BUILDER" = 1 ]; then
    install_into "$work/prefix"
    entry=$work/prefix/share/applications/quorvane-builder.desktop
    icons=$work/prefix/share/icons
  fi
  "$QV_DESKTOP_FILE_VALIDATE" "$entry" >&2 || fail "desktop-file-validate rejects $entry"
  # What the entry names must be what the install provides.
  [ "$(desktop_value "$entry" MimeType)" = "$mime_type;" ] || fail "MimeType is not $mime_type"
  grep -q "type=\"$mime_type\"" "$desktop_src/quorvane.xml" || fail "quorvane.xml does not define $mime_type"
  [ "$(desktop_value "$entry" Exec)" = "quorbuild %f" ] || fail "Exec does not open a file in quorbuild"
  local icon
  icon=$(desktop_value "$entry" Icon)
  for s in "${icon_sizes[@]}"; do
    [ -f "$icons/hicolor/${s}x$s/apps/$icon.png" ] || fail "no ${s}x$s icon named $icon"
  done
  grep -q '^Name\[ja\]=' "$entry" && grep -q '^Name=' "$entry" || fail "the entry lacks its English or Japanese name"
}

case_mime() {
  local db=$work/mime
  need_tool xmllint "$QV_XMLLINT"
  need_tool update-mime-database "$QV_UPDATE_MIME_DATABASE"
  "$QV_XMLLINT" --noout "$desktop_src/quorvane.xml" || fail "quorvane.xml is not well-formed"
  mkdir -p "$db/packages"
  cp "$desktop_src/quorvane.xml" "$db/packages/"
  XDG_DATA_HOME=$work XDG_DATA_DIRS=$work "$QV_UPDATE_MIME_DATABASE" "$db" 2>"$work/mime.log" || { cat "$work/mime.log" >&2; fail "update-mime-database rejects it"; }
  [ ! -s "$work/mime.log" ] || { cat "$work/mime.log" >&2; fail "update-mime-database complains"; }
  grep -q "^50:$mime_type:\*\.ipp$" "$db/globs2" || fail "the database does not map *.ipp to $mime_type: $(cat "$db/globs2")"
  grep -q "^$mime_type text/plain$" "$db/subclasses" || fail "$mime_type is not text"
}

# The .deb: the same files laid out for /opt and /usr, its dependencies and maintainer scripts.
case_package() {
  local deb
  need_tool dpkg-deb "$QV_DPKG_DEB"
  "$QV_CPACK" --config "$QV_BUILD_DIR/CPackConfig.cmake" -B "$work/packages" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
  deb=$(ls "$work"/packages/quorvane_*.deb)
  expected_layout opt/quorvane usr/share usr/bin /opt/quorvane >"$work/expected"
  deb_layout "$deb" >"$work/actual"
  same_layout "$work/expected" "$work/actual" "dpkg-deb -c $(basename "$deb")"
  local depends wanted
  depends=$("$QV_DPKG_DEB" -f "$deb" Depends)
  wanted="libc6 libstdc++6"
  [ "$QV_HAVE_BUILDER" = 1 ] && wanted="$wanted libqt6core6 libqt6gui6 libqt6widgets6"
  for d in $wanted; do
    [[ ", $depends," == *", $d "* || ", $depends," == *", $d,"* ]] || fail "Depends ($depends) lacks $d"
  done
  [ "$("$QV_DPKG_DEB" -f "$deb" Recommends)" = fonts-noto-cjk ] || fail "fonts-noto-cjk is not recommended"
  [ "$("$QV_DPKG_DEB" -f "$deb" Version)" = "$QV_VERSION" ] || fail "the package version is not $QV_VERSION"
  "$QV_DPKG_DEB" -e "$deb" "$work/control"
  for s in postinst postrm; do
    [ -x "$work/control/$s" ] || fail "$s is missing or not executable"
    sh -n "$work/control/$s" || fail "$s is not a valid shell script"
  done
  grep -q "update-mime-database" "$work/control/postinst" || fail "postinst does not refresh the MIME database"
}

# The value of a "name: value" line of a report.
report_value() {  # $1 report file, $2 name
  sed -n "s/^$2: //p" "$1" | head -n 1
}

# An installed builder in a prefix nobody may write to, run by a user as the desktop starts it:
# it finds its library, templates and help files, keeps its settings in the user's configuration
# folder, builds a saved project beside it, reports the missing compressor and writes nothing
# into the prefix. Root writes anywhere, so as root the builder runs as the unprivileged "nobody".
case_builder() {
  if [ "$QV_HAVE_BUILDER" != 1 ]; then echo "skipped: this build has no builder"; return 0; fi
  local p=$work/prefix home=$work/home report=$work/report run_as=()
  install_into "$p"
  chmod -R a-w "$p"
  mkdir -p "$home/tmp"
  cp -r "$QV_SOURCE_DIR/examples/sample" "$home/"
  if [ "$(id -u)" = 0 ]; then
    chmod 711 "$work"
    chown -R 65534:65534 "$home"
    run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  fi
  (cd "$home" && "${run_as[@]}" env -i HOME="$home" XDG_CONFIG_HOME="$home/.config" TMPDIR="$home/tmp" \
      LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen QUORBUILD_REPORT_SHOWN=actCompile,actCompress \
      "$p/bin/quorbuild" "$home/sample/sample.ipp") >"$report" 2>"$work/builder.log" ||
    { cat "$work/builder.log" >&2; fail "the installed builder did not run"; }
  cat "$report" >&2
  [ "$(report_value "$report" program_dir)" = "$p/lib/quorvane/" ] || fail "the builder's program folder is wrong"
  [ "$(report_value "$report" library)" = "1.0.0.2" ] || fail "the installed library was not loaded"
  [ "$(report_value "$report" languages)" = "日本語, English" ] || fail "the default languages are wrong"
  [ "$(report_value "$report" language_texts)" = "yes, yes" ] || fail "the project's language texts were not read"
  [ "$(report_value "$report" readme)" = yes ] && [ "$(report_value "$report" manual)" = yes ] ||
    fail "the builder does not find its help files"
  local settings
  settings=$(report_value "$report" settings_written)
  [[ "$settings" == "$home/.config/quorvane/"*.ini ]] || fail "the settings went to '$settings', not the config folder"
  [ -s "$settings" ] || fail "no settings at $settings"
  grep -qx "status: actCompile コンパイル完了。" "$report" || fail "the build failed"
  [ -x "$home/sample/sample.run" ] || fail "no package beside the saved project"
  grep -qx "status: actCompress UPXが見つかりません。" "$report" || fail "the missing compressor is not reported"
  grep -qx "beep: yes" "$report" || fail "the missing compressor does not beep"
  chmod -R u+w "$p"
  expected_layout lib/quorvane share bin ../lib/quorvane >"$work/expected"
  tree_layout "$p" >"$work/actual"
  same_layout "$work/expected" "$work/actual" "the prefix after the builder ran"

  # A new project takes its languages' texts from the installed templates; one that is missing
  # gives its language empty texts, without a message.
  rm "$p/lib/quorvane/korean_sys.dat"
  chmod -R a-w "$p"
  (cd "$home" && "${run_as[@]}" env -i HOME="$home" XDG_CONFIG_HOME="$home/.config" TMPDIR="$home/tmp" \
      LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen QUORBUILD_REPORT_SHOWN=1 "$p/bin/quorbuild") >"$report" 2>"$work/builder.log" ||
    { cat "$work/builder.log" >&2; fail "the installed builder did not start without a project"; }
  cat "$report" >&2
  [ "$(report_value "$report" languages)" = "日本語, English, 한국어, 中文(简体字)" ] || fail "a new project lacks its languages"
  [ "$(report_value "$report" language_texts)" = "yes, yes, no, yes" ] ||
    fail "the templates of a new project were not read as installed"
  ! grep -q "^message: \|^error: " "$report" || fail "a missing template gave a message"
  chmod -R u+w "$p"
}

case "${1:-}" in
  layout | runpath | commands | desktop | mime | package | builder) "case_$1" ;;
  *) fail "usage: install_tests.sh layout|runpath|commands|desktop|mime|package|builder" ;;
esac
echo "ok: $1"
