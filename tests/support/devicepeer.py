#!/usr/bin/env python3
"""The device peer: plays the wall controller, the matrices and the wireless bridge.

It owns Linux pseudo-terminals that the Wine prefixes see as COM5..COM8 and a
loopback TCP listener for the bridge. Every byte that arrives is recorded with
its arrival time; a test under Wine steers the peer through a line-based
control socket on loopback (see DevicePeer.h for the client side).

Control requests, one per connection, answered with one or more lines:
  reset CHAN           forget what was recorded; reopen a closed channel
  get CHAN             "OK n" then n lines "<microseconds> <hex bytes>" (one per read)
  wait CHAN N MS       wait until N bytes have arrived: "OK total" or "TIMEOUT total"
  send CHAN HEX        send bytes to the program
  close CHAN           the peer goes away: close its end of the channel
  port tcp             "OK <port>" of the bridge listener
(Run as "devicepeer.py follow com5" it prints each frame received on COM5.)
  ping                 "OK <version> <pid> <slot>" (slot "-" for none)
CHAN is com5..com8 or tcp.

Each slot (VAMIRE_SLOT, see scripts/env.sh) has a peer of its own: its own
folder of port links, control and bridge ports, pid and log files, so test runs
of several checkouts side by side never read one another's bytes. Without a
slot the peer is the one every run shares. "devicepeer.py env" prints the
settings as shell assignments; scripts/env.sh takes them from there, so the
prefixes (make-prefix) and the programs under Wine (DevicePeer.cpp, through
scripts/wine-exec) find the same peer.
"""
import hashlib, os, pty, select, shlex, socket, sys, time, tty, signal

CACHE = os.environ.get("VAMIRE_CACHE", "/var/cache/vamire")
SLOT = os.environ.get("VAMIRE_SLOT", "")


def slot_ports():
    """The control and bridge ports of the slot's peer, side by side.

    The slot's name picks one of 4000 pairs above the shared peer's ports; two
    slots that pick the same pair are told so when the second peer starts
    (see main), never left to read each other's bytes.
    """
    if not SLOT:
        return 47811, 47899
    n = int(hashlib.sha1(SLOT.encode()).hexdigest()[:8], 16) % 4000
    return 48000 + 2 * n, 48001 + 2 * n


SUFFIX = "-" + SLOT if SLOT else ""
PORTS_DIR = os.path.join(CACHE, "ports" + SUFFIX)
PID_FILE = os.path.join(CACHE, "devicepeer%s.pid" % SUFFIX)
LOG_FILE = os.path.join(CACHE, "devicepeer%s.log" % SUFFIX)
CONTROL_PORT, BRIDGE_PORT = slot_ports()
CONTROL_PORT = int(os.environ.get("VAMIRE_PEER_PORT", CONTROL_PORT))
BRIDGE_PORT = int(os.environ.get("VAMIRE_BRIDGE_PORT", BRIDGE_PORT))
COMS = ["com5", "com6", "com7", "com8"]
T0 = time.monotonic()
# A peer left running by an earlier run answers "ping" with its own version; a
# start with other code replaces it.
# The folder of its port links and its bridge port count too: a peer serving
# another cache is replaced.
VERSION = hashlib.sha1(open(__file__, "rb").read() + PORTS_DIR.encode() + b"%d" % BRIDGE_PORT).hexdigest()[:12]


def now_us():
    return int((time.monotonic() - T0) * 1_000_000)


class PtyChannel:
    def __init__(self, name):
        self.name = name
        self.master = self.slave = None
        self.records = []
        self.open()

    def open(self):
        self.master, self.slave = pty.openpty()
        # Raw both ways: no XON/XOFF, no CR/LF mapping, every byte as it was sent.
        tty.setraw(self.slave)
        tty.setraw(self.master)
        path = os.ttyname(self.slave)
        link = os.path.join(PORTS_DIR, self.name)
        tmp = link + ".new"
        if os.path.lexists(tmp):
            os.unlink(tmp)
        os.symlink(path, tmp)
        os.replace(tmp, link)

    def close(self):
        for fd in (self.master, self.slave):
            if fd is not None:
                try:
                    os.close(fd)
                except OSError:
                    pass
        self.master = self.slave = None

    def fds(self):
        return [self.master] if self.master is not None else []

    def on_readable(self, fd):
        try:
            data = os.read(fd, 65536)
        except OSError:
            data = b""
        if data:
            self.records.append((now_us(), data))

    def send(self, data):
        if self.master is None:
            return False
        os.write(self.master, data)
        return True

    def reset(self):
        self.records = []
        if self.master is None:
            self.open()


class TcpChannel:
    name = "tcp"

    def __init__(self):
        self.listener = None
        self.conns = []
        self.records = []
        self.listen()

    def listen(self):
        s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        s.bind(("127.0.0.1", BRIDGE_PORT))
        s.listen(8)
        self.listener = s

    def fds(self):
        out = [c.fileno() for c in self.conns]
        if self.listener is not None:
            out.append(self.listener.fileno())
        return out

    def on_readable(self, fd):
        if self.listener is not None and fd == self.listener.fileno():
            c, _ = self.listener.accept()
            self.conns.append(c)
            return
        for c in list(self.conns):
            if c.fileno() == fd:
                try:
                    data = c.recv(65536)
                except OSError:
                    data = b""
                if data:
                    self.records.append((now_us(), data))
                else:
                    c.close()
                    self.conns.remove(c)

    def send(self, data):
        for c in self.conns:
            c.sendall(data)
        return bool(self.conns)

    def close(self):
        for c in self.conns:
            c.close()
        self.conns = []
        if self.listener is not None:
            self.listener.close()
            self.listener = None

    def reset(self):
        for c in self.conns:
            c.close()
        self.conns = []
        self.records = []
        if self.listener is None:
            self.listen()


def total(ch):
    return sum(len(d) for _, d in ch.records)


def serve():
    os.makedirs(PORTS_DIR, exist_ok=True)
    channels = {n: PtyChannel(n) for n in COMS}
    channels["tcp"] = TcpChannel()
    control = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    control.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    control.bind(("127.0.0.1", CONTROL_PORT))
    control.listen(16)
    waiting = []  # (conn, channel, needed, deadline)
    print("ready", flush=True)

    def answer(conn, text):
        try:
            conn.sendall(text.encode())
        finally:
            conn.close()

    def handle(conn):
        buf = b""
        conn.settimeout(5)
        while not buf.endswith(b"\n"):
            part = conn.recv(1 << 20)
            if not part:
                break
            buf += part
        words = buf.decode(errors="replace").split()
        if not words:
            return answer(conn, "ERR empty\n")
        cmd, args = words[0].lower(), words[1:]
        if cmd == "ping":
            return answer(conn, "OK %s %d %s\n" % (VERSION, os.getpid(), SLOT or "-"))
        ch = channels.get(args[0].lower()) if args else None
        if ch is None:
            return answer(conn, "ERR unknown channel\n")
        if cmd == "reset":
            ch.reset()
            return answer(conn, "OK\n")
        if cmd == "get":
            lines = ["OK %d" % len(ch.records)] + ["%d %s" % (t, d.hex()) for t, d in ch.records]
            return answer(conn, "\n".join(lines) + "\n")
        if cmd == "wait":
            need, ms = int(args[1]), int(args[2])
            if total(ch) >= need:
                return answer(conn, "OK %d\n" % total(ch))
            waiting.append((conn, ch, need, time.monotonic() + ms / 1000.0))
            return None
        if cmd == "send":
            ok = ch.send(bytes.fromhex(args[1] if len(args) > 1 else ""))
            return answer(conn, "OK\n" if ok else "ERR closed\n")
        if cmd == "close":
            ch.close()
            return answer(conn, "OK\n")
        if cmd == "port":
            return answer(conn, "OK %d\n" % BRIDGE_PORT)
        return answer(conn, "ERR unknown request\n")

    while True:
        fdmap = {control.fileno(): None}
        for ch in channels.values():
            for fd in ch.fds():
                fdmap[fd] = ch
        timeout = 0.05 if waiting else 1.0
        readable, _, _ = select.select(list(fdmap), [], [], timeout)
        for fd in readable:
            if fd == control.fileno():
                conn, _ = control.accept()
                try:
                    handle(conn)
                except Exception as e:  # a bad request must not end the peer
                    try:
                        answer(conn, "ERR %s\n" % e)
                    except OSError:
                        pass
            else:
                fdmap[fd].on_readable(fd)
        still = []
        for conn, ch, need, deadline in waiting:
            if total(ch) >= need:
                answer(conn, "OK %d\n" % total(ch))
            elif time.monotonic() >= deadline:
                answer(conn, "TIMEOUT %d\n" % total(ch))
            else:
                still.append((conn, ch, need, deadline))
        waiting = still


def request(text):
    s = socket.create_connection(("127.0.0.1", CONTROL_PORT), timeout=2)
    s.sendall(text.encode() + b"\n")
    out = b""
    while True:
        part = s.recv(65536)
        if not part:
            break
        out += part
    return out.decode()


def stop():
    try:
        os.kill(int(open(PID_FILE).read()), signal.SIGTERM)
    except (OSError, ValueError):
        pass


def follow(chan):
    """Prints every frame the program sends on CHAN, one line a frame, until stopped."""
    seen, pending = 0, b""
    while True:
        try:
            lines = request("get " + chan).splitlines()
        except OSError:
            return
        chunks = [bytes.fromhex(l.split()[1]) for l in lines[1:] if len(l.split()) > 1]
        for data in chunks[seen:]:
            pending += data
        seen = len(chunks)
        # Wall frames start with C6; anything else is printed as it came.
        while pending:
            end = 6 if pending[0] == 0xC6 else len(pending)
            if len(pending) < end:
                break
            print("%s <- %s" % (chan.upper(), " ".join("%02X" % b for b in pending[:end])), flush=True)
            pending = pending[end:]
        time.sleep(0.1)


def main():
    cmd = sys.argv[1] if len(sys.argv) > 1 else "serve"
    if cmd == "serve":
        serve()
    elif cmd == "env":
        print("VAMIRE_PEER_PORTS=%s VAMIRE_PEER_PORT=%d VAMIRE_BRIDGE_PORT=%d"
              % (shlex.quote(PORTS_DIR), CONTROL_PORT, BRIDGE_PORT))
    elif cmd == "start":
        # The peer outlives a ctest run on purpose: several runs of a slot may share it.
        try:
            reply = request("ping").split()
            if reply[:2] == ["OK", VERSION]:
                return 0
            # Another slot's peer is in use by that slot's runs: it is never ended here.
            if len(reply) > 3 and reply[3] != (SLOT or "-"):
                print("devicepeer: port %d is taken by the peer of slot %s; give this slot other ports "
                      "(VAMIRE_PEER_PORT, VAMIRE_BRIDGE_PORT)" % (CONTROL_PORT, reply[3]), file=sys.stderr)
                return 1
            if len(reply) > 2:
                os.kill(int(reply[2]), signal.SIGTERM)
            stop()
            time.sleep(0.3)
        except OSError:
            pass
        log = open(LOG_FILE, "w")
        pid = os.fork()
        if pid == 0:
            os.setsid()
            os.dup2(log.fileno(), 1)
            os.dup2(log.fileno(), 2)
            serve()
            os._exit(0)
        with open(PID_FILE, "w") as f:
            f.write(str(pid))
        for _ in range(100):
            try:
                if request("ping").startswith("OK"):
                    return 0
            except OSError:
                time.sleep(0.05)
        print("devicepeer: did not start (see %s)" % LOG_FILE, file=sys.stderr)
        return 1
    elif cmd == "stop":
        stop()
        return 0
    elif cmd == "follow":
        follow(sys.argv[2] if len(sys.argv) > 2 else "com5")
    else:
        print(request(" ".join(sys.argv[1:])), end="")
    return 0


if __name__ == "__main__":
    sys.exit(main())
