# Sourced by the scripts that run the tool against simulated modules (the
# demo, the pictures, the desktop benchmark): a configuration folder of their
# own whose link settings keep every frame on loopback, and nxgsim started in
# it. Both go when the script ends.
#
#   sim_home STEM ADDRESS MODBUS_PORT   sets $home, writes $home/Config/PortLink.ini
#   start_sim NXGSIM ARGS...            nxgsim on $sim_address, waited for until it listens

# The simulator's address stands in for the broadcast too, so a search finds
# its modules and nothing leaves this machine; the modules serve Modbus TCP
# on a port that needs no privilege.
sim_home() {
  home=$(mktemp -d "/tmp/gwsuite-$1-XXXXXX")
  sim_address=$2
  sim=
  trap 'if [ -n "$sim" ]; then kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; fi; rm -rf "$home"' EXIT
  mkdir -p "$home/Config"
  printf '[PortLink]\nCommType=1\nCOMPort=1\nRemoteIP=%s\nBroadcastAddress=%s\nModbusTCPPort=%s\n' \
    "$2" "$2" "$3" > "$home/Config/PortLink.ini"
}

start_sim() {
  local program=$1
  shift
  "$program" --address "$sim_address" "$@" --ready-file "$home/ready" > "$home/sim.log" 2>&1 &
  sim=$!
  for _ in $(seq 100); do [ -e "$home/ready" ] && return 0; sleep 0.1; done
  echo "nxgsim did not start:" >&2
  cat "$home/sim.log" >&2
  exit 1
}
