# Sourced by the screenshot tools: starts an Xvfb of 1024 x 768 on a display number that no other
# X server on the machine holds (Xvfb picks it and reports it), sets `xvfb` to its process and
# exports DISPLAY. The caller's EXIT trap must kill "$xvfb"; until it sets one, this one does.
exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
read -r -t 30 -u "$display_pipe" display_number
export DISPLAY=":$display_number"
