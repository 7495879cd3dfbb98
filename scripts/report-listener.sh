# Sourced by the scripts that run a setup reporting to a stand-in server: the tests' report
# listener on 127.0.0.1 (build/native), which saves every request it receives.
: "${QRV_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
QRV_LISTENER_PID=""

# report_listener_start FOLDER: saves the requests as FOLDER/reports/report-N.http and sets
# REPORT_SERVER to the listener's 127.0.0.1:PORT.
report_listener_start() {
  mkdir -p "$1/reports"
  "$QRV_ROOT/build/native/tests/fixtures/report/reportlistener" "$1/port" "$1/reports" &
  QRV_LISTENER_PID=$!
  for _ in $(seq 100); do [ -s "$1/port" ] && break; sleep 0.05; done
  [ -s "$1/port" ] || { echo "the report listener did not start" >&2; return 1; }
  REPORT_SERVER="127.0.0.1:$(tr -d '\n' <"$1/port")"
}

report_listener_stop() {
  if [ -n "$QRV_LISTENER_PID" ]; then kill "$QRV_LISTENER_PID" 2>/dev/null || true; fi
}
