#!/usr/bin/env python3
"""Opens the index pages of the Windows build in headless Chromium.

Makes a fixture tree (names in UTF-8 on disk, which Wine shows the program as
code page 932), has the Windows exe write its pages under Wine, then starts
Chromium with a Japanese user's default text encoding (Shift_JIS) and walks
the pages from the top one through file URLs: every link must open an
existing file, every folder link a page that loads in turn, every image must
decode. Chromium is driven over its DevTools pipe (fds 3 and 4, JSON messages
ending in NUL), with the standard library only.

Exit code 0 when everything holds, 1 with a list of what failed.
"""

import argparse
import base64
import fcntl
import json
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import urllib.parse

PAGE_NAME = "RevavE.html"

# Tiny real images (3x2 pixels), so "the image loads" means it decoded.
IMAGES = {
    "png": "iVBORw0KGgoAAAANSUhEUgAAAAMAAAACAQMAAACnuvRZAAAABlBMVEXMMzMzqnd79hksAAAADElEQVQI12NIYHgAAAIEAUGP4m1CAAAAAElFTkSuQmCC",
    "gif": "R0lGODlhAwACAPAAAMwzMzOqdyH5BAAAAAAALAAAAAADAAIAAAIDRH4FADs=",
    "bmp": "Qk2iAAAAAAAAAIoAAAB8AAAAAwAAAAIAAAABACAAAwAAABgAAAAAAAAAAAAAAAAAAAAAAAAAAAD/AAD/AAD/AAAAAAAA/0JHUnMAAAAAAAAA"
           "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAEAAAAAAAAAAAAAAAAAAAAd6oz/3eqM/93qjP/MzPM/3eqM/93"
           "qjP/",
    "jpg": "/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAMCAgICAgMCAgIDAwMDBAYEBAQEBAgGBgUGCQgKCgkICQkKDA8MCgsOCwkJDRENDg8QEBEQCgwS"
           "ExIQEw8QEBD/2wBDAQMDAwQDBAgEBAgQCwkLEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBD/wAAR"
           "CAACAAMDAREAAhEBAxEB/8QAFAABAAAAAAAAAAAAAAAAAAAAAf/EABkQAQEBAAMAAAAAAAAAAAAAAAIBAwARUf/EABUBAQEAAAAAAAAAAAAA"
           "AAAAAAQI/8QAGxEBAAIDAQEAAAAAAAAAAAAAAQIDAAQhETH/2gAMAwEAAhEDEQA/AEAZg55mEmSEydSTycCBE8PmTlsbFu3bK++TKclZSVVV"
           "9VXqr1Xq5//Z",
}
IMAGE_KIND = {".png": "png", ".gif": "gif", ".bmp": "bmp", ".jpg": "jpg", ".jpeg": "jpg", ".jpe": "jpg"}
DOCUMENT_EXTENSIONS = (".htm", ".html")

# The fixture: files by path below the top folder ("/" separated). Folders
# come from the paths; EMPTY_FOLDERS adds folders with no file at all.
# Names stress what a file URL and Shift_JIS make hard: spaces, "&", "#",
# "%", Japanese names, and "表", "ソ", "能" whose second Shift_JIS byte is
# 0x5C, a backslash when read as ASCII.
FIXTURE_FILES = [
    "index.htm",
    "a&b.htm",
    "50%.html",
    "#1.htm",
    "%41.htm",
    "space name.htm",
    "it's;a=b+c,d.HTM",
    "日本語.htm",
    "表.htm",
    "photo.jpg",
    "pic.png",
    "anim.gif",
    "bitmap.bmp",
    "UPPER.JPG",
    "wide.JPEG",
    "old.jpe",
    ".png",
    "50% off.png",
    "a&b.jpg",
    "#2.gif",
    "表.bmp",
    "ソフト.png",
    "~tilde.png",
    "notes.txt",
    "sub one/doc.html",
    "sub one/deep/表示/img.png",
    "sub one/deep/表示/能力.gif",
    "表示/ソース.htm",
    "表示/能力.png",
    "a&b #c %d/e.gif",
    "a&b #c %d/f&g.htm",
    "100%/x.png",
    "日本語フォルダ/子/写真.jpg",
    "日本語フォルダ/子/表 #1.htm",
    "only_txt/readme.txt",
    "no_show/deeper/readme.txt",
]
EMPTY_FOLDERS = ["empty"]


class CheckError(Exception):
    pass


def kind_of(name):
    extension = os.path.splitext(name)[1].lower() if "." in name else ""
    if name.startswith(".") and name.count(".") == 1:
        extension = name.lower()
    if extension in DOCUMENT_EXTENSIONS:
        return "document"
    if extension in IMAGE_KIND:
        return "image"
    return "other"


def make_fixture(top):
    os.makedirs(top)
    for folder in EMPTY_FOLDERS:
        os.makedirs(os.path.join(top, folder))
    for relative in FIXTURE_FILES:
        path = os.path.join(top, *relative.split("/"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        name = os.path.basename(path)
        kind = kind_of(name)
        if kind == "image":
            data = base64.b64decode(IMAGES[IMAGE_KIND[("." + name.rsplit(".", 1)[1]).lower()]])
        elif kind == "document":
            data = b"<html><body><p>document</p></body></html>\r\n"
        else:
            data = b"not shown\r\n"
        with open(path, "wb") as out:
            out.write(data)


def expected_tree(top):
    """Folders that must get a page, and the files each page must list."""
    pages = {}

    def walk(folder):
        listed = []
        shown = False
        for name in sorted(os.listdir(folder)):
            path = os.path.join(folder, name)
            if os.path.isdir(path):
                shown = walk(path) or shown
            elif name != PAGE_NAME and kind_of(name) != "other":
                listed.append(path)
        if listed or any(os.path.dirname(p) == folder for p in pages):
            pages[folder] = listed
            return True
        return shown

    walk(top)
    return pages


def windows_path(unix_path):
    return "Z:" + unix_path.replace("/", "\\")


def url_to_path(url):
    parts = urllib.parse.urlsplit(url)
    if parts.scheme != "file":
        return None
    return os.path.normpath(urllib.parse.unquote(parts.path, encoding="utf-8", errors="strict"))


def path_to_url(path):
    return "file://" + urllib.parse.quote(path, encoding="utf-8")


class DevToolsPipe:
    """Chromium with --remote-debugging-pipe: it reads commands on fd 3 and
    answers on fd 4."""

    def __init__(self, chromium, profile, log_path):
        to_child_r, self._to_child = os.pipe()
        self._from_child, from_child_w = os.pipe()
        # Out of the way of 3 and 4, so the dup2 calls below cannot clobber them.
        high_r = fcntl.fcntl(to_child_r, fcntl.F_DUPFD_CLOEXEC, 100)
        high_w = fcntl.fcntl(from_child_w, fcntl.F_DUPFD_CLOEXEC, 100)
        os.close(to_child_r)
        os.close(from_child_w)

        def child_fds():
            os.dup2(high_r, 3)  # dup2 leaves both inheritable
            os.dup2(high_w, 4)

        args = [
            chromium, "--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
            "--no-first-run", "--disable-component-update", "--disable-sync", "--user-data-dir=" + profile,
            "--remote-debugging-pipe", "about:blank",
        ]
        self._log = open(log_path, "wb")
        self.process = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=self._log, stderr=self._log,
                                        close_fds=False, preexec_fn=child_fds, start_new_session=True)
        os.close(high_r)
        os.close(high_w)
        self.profile = profile
        self._buffer = b""
        self._next_id = 0
        self.events = []

    def _send(self, message):
        data = json.dumps(message).encode("utf-8") + b"\0"
        while data:
            _, writable, _ = select.select([], [self._to_child], [], 10)
            if not writable:
                raise CheckError("Chromium does not take commands")
            data = data[os.write(self._to_child, data):]

    def _receive(self, deadline):
        while b"\0" not in self._buffer:
            left = deadline - time.monotonic()
            if left <= 0:
                raise CheckError("Chromium did not answer in time")
            readable, _, _ = select.select([self._from_child], [], [], left)
            if readable:
                chunk = os.read(self._from_child, 1 << 16)
                if not chunk:
                    raise CheckError("Chromium closed its DevTools pipe (exit code %s)" % self.process.poll())
                self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, params=None, session=None, timeout=30):
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        self._send(message)
        deadline = time.monotonic() + timeout
        while True:
            answer = self._receive(deadline)
            if answer.get("id") == self._next_id:
                if "error" in answer:
                    raise CheckError("%s failed: %s" % (method, answer["error"]))
                return answer.get("result", {})
            self.events.append(answer)

    def wait_event(self, method, session, timeout=20):
        deadline = time.monotonic() + timeout
        while True:
            for index, event in enumerate(self.events):
                if event.get("method") == method and event.get("sessionId") == session:
                    del self.events[index]
                    return event
            self.events.append(self._receive(deadline))

    def close(self):
        try:
            if self.process.poll() is None:
                self._send({"id": self._next_id + 1, "method": "Browser.close", "params": {}})
                self.process.wait(timeout=10)
        except (CheckError, OSError, subprocess.TimeoutExpired):
            pass
        finally:
            if self.process.poll() is None:
                try:
                    os.killpg(self.process.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                self.process.wait(timeout=10)
            for fd in (self._to_child, self._from_child):
                try:
                    os.close(fd)
                except OSError:
                    pass
            self._log.close()
        return kill_leftovers(self.profile)


def kill_leftovers(profile):
    """Kills, by process id, Chromium helpers of this profile that outlived
    the browser; answers how many there were."""
    marker = ("--user-data-dir=" + profile).encode()
    left = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/cmdline" % entry, "rb") as cmdline:
                if marker in cmdline.read():
                    left.append(int(entry))
        except OSError:
            continue
    for pid in left:
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    return len(left)


class Tab:
    def __init__(self, browser):
        self.browser = browser
        target = browser.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        self.session = browser.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        browser.call("Page.enable", session=self.session)

    def open(self, url):
        """Navigates and waits for the load event; answers an error text or None."""
        self.browser.events = [e for e in self.browser.events if e.get("sessionId") != self.session]
        result = self.browser.call("Page.navigate", {"url": url}, session=self.session)
        if result.get("errorText"):
            return result["errorText"]
        self.browser.wait_event("Page.loadEventFired", self.session)
        return None

    def evaluate(self, expression):
        result = self.browser.call("Runtime.evaluate", {"expression": expression, "returnByValue": True},
                                   session=self.session)
        if "exceptionDetails" in result:
            raise CheckError("script failed: %s" % result["exceptionDetails"])
        return result["result"].get("value")


PAGE_FACTS = """(() => ({
  url: location.href,
  charset: document.characterSet,
  title: document.title,
  heading: (document.querySelector('b') || {textContent: null}).textContent,
  links: [...document.querySelectorAll('a[href]')].map(a => a.href),
  images: [...document.images].map(i => ({src: i.src, complete: i.complete, width: i.naturalWidth}))
}))()"""


def write_preferences(profile, encoding):
    os.makedirs(os.path.join(profile, "Default"))
    with open(os.path.join(profile, "Default", "Preferences"), "w") as out:
        json.dump({"intl": {"charset_default": encoding}}, out)


def collapse(text):
    return " ".join(text.split()) if text is not None else None


def check_pages(tab, top, pages, failures):
    """Walks the pages from the top page by their links; answers the numbers
    of pages, links and images checked."""
    top_page = os.path.join(top, PAGE_NAME)
    above_top = os.path.join(os.path.dirname(top), PAGE_NAME)
    queue = [top_page]
    seen_pages = {top_page}
    targets = {}  # non-page link target path -> first page that links it
    link_count = image_count = 0
    while queue:
        page = queue.pop(0)
        folder = os.path.dirname(page)
        where = os.path.relpath(page, top)
        error = tab.open(path_to_url(page))
        if error:
            failures.append("%s: the page does not open (%s)" % (where, error))
            continue
        facts = tab.evaluate(PAGE_FACTS)
        if facts["charset"] != "Shift_JIS":
            failures.append("%s: read as %s, not Shift_JIS" % (where, facts["charset"]))
        shown = windows_path(folder)
        if collapse(facts["title"]) != collapse(shown) or facts["heading"] != shown:
            failures.append("%s: title %r / heading %r, expected %r" % (where, facts["title"], facts["heading"], shown))

        linked = set()
        for url in facts["links"]:
            link_count += 1
            path = url_to_path(url)
            if path is None:
                failures.append("%s: link %s is not a file URL" % (where, url))
                continue
            parts = urllib.parse.urlsplit(url)
            if parts.fragment or parts.query or url.endswith(("#", "?")):
                failures.append("%s: link %s has a fragment or query: part of the name got lost" % (where, url))
            linked.add(path)
            if os.path.basename(path) == PAGE_NAME:
                if page == top_page and path == above_top:
                    continue  # the up-link of the top page leaves the tree: no page is written there
                if not os.path.isfile(path):
                    failures.append("%s: link %s opens no file (%s)" % (where, url, os.path.relpath(path, top)))
                elif path not in seen_pages:
                    seen_pages.add(path)
                    queue.append(path)
            elif not os.path.isfile(path):
                failures.append("%s: link %s opens no file (%s)" % (where, url, os.path.relpath(path, top)))
            else:
                targets.setdefault(path, where)

        if os.path.join(os.path.dirname(folder), PAGE_NAME) not in linked:
            failures.append("%s: no up-link to the page above" % where)
        expected_links = set(pages.get(folder, []))
        expected_links |= {os.path.join(f, PAGE_NAME) for f in pages if os.path.dirname(f) == folder}
        for missing in sorted(expected_links - linked):
            failures.append("%s: no link to %s" % (where, os.path.relpath(missing, top)))

        shown_images = set()
        for image in facts["images"]:
            image_count += 1
            path = url_to_path(image["src"])
            shown_images.add(path)
            if not image["complete"] or image["width"] <= 0:
                failures.append("%s: image %s does not load" % (where, image["src"]))
        for missing in sorted(p for p in pages.get(folder, []) if kind_of(os.path.basename(p)) == "image"
                              and p not in shown_images):
            failures.append("%s: image %s is not shown" % (where, os.path.relpath(missing, top)))

    for folder in sorted(pages):
        if os.path.join(folder, PAGE_NAME) not in seen_pages:
            failures.append("page of %s is not reached from the top page" % (os.path.relpath(folder, top) or "."))

    # Every file a link names must open in the browser as well, not only exist.
    for path, where in sorted(targets.items()):
        error = tab.open(path_to_url(path))
        if error:
            failures.append("%s: link target %s does not open (%s)" % (where, os.path.relpath(path, top), error))
    return len(seen_pages), link_count, image_count, len(targets)


def run_make_pages(args, top, log_path):
    command = [args.make_pages, windows_path(top)]
    if args.wine_run:
        command.insert(0, args.wine_run)
    # Wine's helpers inherit the output handles and keep them open: a file,
    # never a pipe.
    with open(log_path, "wb") as log:
        code = subprocess.call(command, stdin=subprocess.DEVNULL, stdout=log, stderr=log, timeout=120)
    with open(log_path, "rb") as log:
        output = log.read().decode("utf-8", "replace").strip()
    if code != 0:
        raise CheckError("make_pages failed with exit code %d: %s" % (code, output))


def check_page_bytes(top, failures):
    """The names must reach the pages as Shift_JIS bytes; anything else means
    the program did not run with code page 932."""
    with open(os.path.join(top, PAGE_NAME), "rb") as page:
        data = page.read()
    if "表.htm".encode("cp932") not in data:
        failures.append("top page holds no Shift_JIS name (bytes 95 5C for '表'): was the code page 932?")


def check_default_encoding(tab, scratch, failures):
    """Chromium guesses the encoding of an undeclared page from its bytes and
    falls back to the profile's default only when the bytes tell nothing, as
    for an empty page: that one shows the default is in effect."""
    probe = os.path.join(scratch, "probe.html")
    open(probe, "wb").close()
    error = tab.open(path_to_url(probe))
    charset = None if error else tab.evaluate("document.characterSet")
    if charset != "Shift_JIS":
        failures.append("default text encoding not taken from the profile: an empty page reads as %s"
                        % (error or charset))
    return charset


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--make-pages", required=True, help="the page-making exe")
    parser.add_argument("--wine-run", help="runner for the Windows exe (scripts/wine-run)")
    parser.add_argument("--chromium", default=shutil.which("chromium") or "/usr/bin/chromium")
    parser.add_argument("--keep", action="store_true", help="keep the fixture and logs")
    parser.add_argument("--time-limit", type=int, default=270, help="seconds for the whole check")
    args = parser.parse_args()

    def out_of_time(*_):
        raise CheckError("the check took longer than %d s" % args.time_limit)

    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(args.time_limit)

    scratch = tempfile.mkdtemp(prefix="dazovar-browser-")
    top = os.path.join(scratch, "tree")
    failures = []
    browser = None
    leftovers = 0
    try:
        make_fixture(top)
        pages = expected_tree(top)
        run_make_pages(args, top, os.path.join(scratch, "make_pages.log"))

        written = set()
        for folder, _, files in os.walk(top):
            if PAGE_NAME in files:
                written.add(folder)
        for folder in sorted(set(pages) ^ written):
            failures.append("%s: page %s" % (os.path.relpath(folder, top),
                                             "missing" if folder in pages else "written though nothing to show"))
        check_page_bytes(top, failures)

        profile = os.path.join(scratch, "profile")
        write_preferences(profile, "Shift_JIS")
        browser = DevToolsPipe(args.chromium, profile, os.path.join(scratch, "chromium.log"))
        tab = Tab(browser)
        check_default_encoding(tab, scratch, failures)
        page_count, link_count, image_count, target_count = check_pages(tab, top, pages, failures)
        print("browser check: %d pages, %d links (%d distinct files opened), %d images; "
              "default encoding Shift_JIS in effect" % (page_count, link_count, target_count, image_count))
    except (CheckError, OSError, subprocess.SubprocessError) as error:
        failures.append(str(error))
    finally:
        signal.alarm(0)
        if browser:
            leftovers = browser.close()
        if leftovers:
            failures.append("%d Chromium processes outlived the browser (killed)" % leftovers)
        if args.keep or failures:
            print("fixture and logs kept in", scratch)
        else:
            shutil.rmtree(scratch, ignore_errors=True)

    if failures:
        print("FAILED, %d problems:" % len(failures))
        for failure in failures:
            print("  - " + failure)
        return 1
    print("all links open and all images load")
    return 0


if __name__ == "__main__":
    sys.exit(main())
