# The Wine environment of the tests: a 32-bit prefix in the build tree, code
# page 936, no debug noise, no Mono or Gecko prompts, and the display that
# the setup fixture started. Sourced with VQ_BUILD set.
export WINEPREFIX="$VQ_BUILD/wine-prefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
if [ -f "$VQ_BUILD/wine-display" ]; then
  DISPLAY=":$(cat "$VQ_BUILD/wine-display")"
  export DISPLAY
fi
