"""Web servers on 127.0.0.1 that ask of a browser what sites ask: a login, a certificate it cannot
trust. Each keeps a log of what the browser sent, as a test may read it and a person would not."""
import base64
import datetime
import http.server
import ssl
import subprocess
import threading
import urllib.parse


class _Server:
    """A threaded server on a port of its own, ended by close()."""

    def __init__(self, handler, wrap=None):
        self.requests = []  # (path, Authorization header or None), in the order they came
        handler = type("Handler", (handler,), {"owner": self})
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.server.daemon_threads = True
        if wrap:
            self.server.socket = wrap(self.server.socket)
        self.port = self.server.server_address[1]
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def close(self):
        self.server.shutdown()
        self.server.server_close()


class _Handler(http.server.BaseHTTPRequestHandler):
    owner = None

    def send_page(self, status, title, text, headers=(), colour=None):
        """A page in the colour its address asks for ("?sfondo=00C000"), else white."""
        colour = colour or urllib.parse.parse_qs(urllib.parse.urlsplit(self.path).query).get("sfondo", ["FFFFFF"])[0]
        body = (f'<html><head><title>{title}</title></head><body style="background:#{colour}">{text}</body>'
                f'</html>').encode()
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *arguments):
        pass


REFUSED = (192, 0, 0)  # the colour of the login server's own page for a refused login


class _LoginHandler(_Handler):
    def do_GET(self):
        owner = self.owner
        given = self.headers.get("Authorization")
        owner.requests.append((self.path, given))
        if not self.path.startswith("/privato/"):
            self.send_page(404, "Non trovata", "Nulla qui")
        elif given == owner.expected:
            self.send_page(200, "Riservata", "Benvenuto")
        else:
            self.send_page(401, "Accesso negato", "Questa pagina del server dice: serve una password.",
                           [("WWW-Authenticate", f'Basic realm="{owner.realm}"')], colour="%02X%02X%02X" % REFUSED)


class LoginServer(_Server):
    """Pages under /privato/ for user and password only (HTTP Basic, realm), the server's own 401
    page ("Accesso negato", in REFUSED) to anyone else; requests logs every request and its
    Authorization header."""

    def __init__(self, user, password, realm):
        self.realm = realm
        self.expected = "Basic " + base64.b64encode(f"{user}:{password}".encode()).decode()
        super().__init__(_LoginHandler)

    def address(self, path):
        return f"http://127.0.0.1:{self.port}{path}"

    def logins(self):
        """The (user, password) of every request that carried a login, in order."""
        found = []
        for _, given in self.requests:
            if given:
                kind, _, encoded = given.partition(" ")
                user, _, password = base64.b64decode(encoded).decode().partition(":")
                found.append((user, password))
        return found


class _ProxyHandler(_Handler):
    def do_GET(self):
        owner = self.owner
        given = self.headers.get("Proxy-Authorization")
        owner.requests.append((self.path, given))
        if given == owner.expected:
            self.send_page(200, "Tramite il proxy", "Benvenuto")
        else:
            self.send_page(407, "Proxy", "Il proxy chiede una password.",
                           [("Proxy-Authenticate", f'Basic realm="{owner.realm}"')], colour="%02X%02X%02X" % REFUSED)


class LoginProxy(LoginServer):
    """A web proxy for user and password only (HTTP Basic, realm): it serves every address itself,
    and the proxy's own 407 page to anyone else; requests logs every request (its whole address)
    and its Proxy-Authorization header."""

    def __init__(self, user, password, realm):
        self.realm = realm
        self.expected = "Basic " + base64.b64encode(f"{user}:{password}".encode()).decode()
        _Server.__init__(self, _ProxyHandler)


class _PageHandler(_Handler):
    def do_GET(self):
        self.owner.requests.append((self.path, None))
        self.send_page(200, "Sicura", "Pagina del sito")


class SelfSignedServer(_Server):
    """An HTTPS site whose certificate it made itself, for 127.0.0.1 (by openssl now, in folder),
    valid between two datetimes (by default from yesterday for 30 days), serving the same page at
    every path."""

    def __init__(self, folder, valid_from=None, valid_until=None):
        now = datetime.datetime.now(datetime.timezone.utc)
        valid_from = valid_from or now - datetime.timedelta(days=1)
        valid_until = valid_until or now + datetime.timedelta(days=30)
        key, certificate = folder / "chiave.pem", folder / "certificato.pem"
        # openssl ca is the tool that signs for any dates, the past included.
        (folder / "ca.cnf").write_text("[ca]\ndefault_ca = own\n[own]\ndatabase = index.txt\nnew_certs_dir = .\n"
                                       "serial = serial\ndefault_md = sha256\npolicy = any\ncopy_extensions = copy\n"
                                       "[any]\ncommonName = supplied\n")
        (folder / "index.txt").write_text("")
        (folder / "serial").write_text("01\n")
        openssl = lambda *arguments: subprocess.run(["openssl", *arguments], cwd=folder, check=True, capture_output=True)
        openssl("req", "-new", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=127.0.0.1/O=Sito di prova",
                "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", str(key), "-out", "richiesta.csr")
        openssl("ca", "-batch", "-config", "ca.cnf", "-selfsign", "-keyfile", str(key), "-in", "richiesta.csr",
                "-out", str(certificate), "-startdate", valid_from.strftime("%Y%m%d%H%M%SZ"),
                "-enddate", valid_until.strftime("%Y%m%d%H%M%SZ"))
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(certificate, key)
        super().__init__(_PageHandler, lambda sock: context.wrap_socket(sock, server_side=True))

    def address(self, path="/"):
        return f"https://127.0.0.1:{self.port}{path}"
