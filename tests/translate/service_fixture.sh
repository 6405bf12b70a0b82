#!/usr/bin/env bash
# Starts and stops the stand-in translation service for the Windows tests that talk to
# it (CTest fixture "service").
#   service_fixture.sh start <lexorin-service binary> <port> <state dir>
#   service_fixture.sh stop  <lexorin-service binary> <port> <state dir>
set -euo pipefail
action=$1 binary=$2 port=$3 state_dir=$4
pid_file=$state_dir/lexorin-service.pid
log_file=$state_dir/lexorin-service.log

port_answers() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }

stop_service() {
  [ -f "$pid_file" ] || return 0
  local pid
  pid=$(cat "$pid_file")
  rm -f "$pid_file"
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  echo "service_fixture: pid $pid ignored SIGTERM; killing it" >&2
  kill -9 "$pid" 2>/dev/null || true
}

case "$action" in
  start)
    if [ ! -x "$binary" ]; then
      echo "service_fixture: $binary is missing; build the native tree first" \
           "(scripts/build.sh native win64)" >&2
      exit 1
    fi
    mkdir -p "$state_dir"
    stop_service  # left over from an interrupted run
    if port_answers; then
      echo "service_fixture: something else already listens on port $port" >&2
      exit 1
    fi
    # Its own session and no inherited output, so CTest does not wait for it.
    setsid "$binary" --port "$port" </dev/null >"$log_file" 2>&1 &
    echo $! >"$pid_file"
    for _ in $(seq 100); do
      if port_answers; then
        echo "service_fixture: lexorin-service (pid $(cat "$pid_file")) on port $port"
        exit 0
      fi
      if ! kill -0 "$(cat "$pid_file")" 2>/dev/null; then
        echo "service_fixture: lexorin-service exited at start:" >&2
        cat "$log_file" >&2
        rm -f "$pid_file"
        exit 1
      fi
      sleep 0.1
    done
    echo "service_fixture: lexorin-service did not answer on port $port within 10 s" >&2
    stop_service
    exit 1
    ;;
  stop)
    stop_service
    [ -f "$log_file" ] && cat "$log_file"
    exit 0
    ;;
  *)
    echo "usage: $0 start|stop <binary> <port> <state dir>" >&2
    exit 2
    ;;
esac
