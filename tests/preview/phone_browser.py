#!/usr/bin/env python3
"""Opens a local page in headless Chromium as a phone would show it
(390 x 844 CSS pixels, device scale 3, a mobile viewport) and prints the
page's measurements as one line of JSON:

  {"viewport": W, "scale": S, "document": W, "fontSize": PX, "textHeight": PX,
   "images": [[w, h, naturalW, naturalH], ...]}

textHeight is the height of the shortest line box of the first paragraph.
Usage: phone_browser.py [--desktop WIDTH] CHROMIUM FILE [SCREENSHOT.png]
With --desktop the page is shown as a desktop window WIDTH pixels wide
(scale 1, no mobile viewport) instead, and "column" gives the width of the
BODY's content box.
Talks to the browser over its DevTools pipe (file descriptors 3 and 4).
"""
import base64
import json
import os
import subprocess
import sys
import tempfile
import time

MEASURE = """(() => {
  const p = document.querySelector('p');
  const range = document.createRange();
  range.selectNodeContents(p);
  const lines = Array.from(range.getClientRects()).map(r => r.height);
  return JSON.stringify({
    viewport: window.innerWidth,
    scale: window.visualViewport.scale,
    document: document.documentElement.scrollWidth,
    fontSize: parseFloat(getComputedStyle(p).fontSize),
    textHeight: lines.length ? Math.min(...lines) : 0,
    column: document.body.getBoundingClientRect().width,
    images: Array.from(document.images).map(i => [i.width, i.height, i.naturalWidth, i.naturalHeight]),
  });
})()"""


class Browser:
    def __init__(self, chromium, profile):
        to_chrome_r, self.to_chrome = os.pipe()
        self.from_chrome, from_chrome_w = os.pipe()

        def fds():
            os.dup2(to_chrome_r, 3)
            os.dup2(from_chrome_w, 4)

        self.proc = subprocess.Popen(
            [chromium, '--headless', '--no-sandbox', '--disable-gpu', '--remote-debugging-pipe',
             '--no-first-run', '--user-data-dir=' + profile, 'about:blank'],
            preexec_fn=fds, pass_fds=(3, 4), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, close_fds=True)
        os.close(to_chrome_r)
        os.close(from_chrome_w)
        self.buffer = b''
        self.next_id = 0
        self.events = []

    def send(self, method, params=None, session=None):
        self.next_id += 1
        message = {'id': self.next_id, 'method': method, 'params': params or {}}
        if session:
            message['sessionId'] = session
        os.write(self.to_chrome, json.dumps(message).encode() + b'\0')
        while True:
            reply = self.read()
            if reply.get('id') == self.next_id:
                if 'error' in reply:
                    raise RuntimeError(method + ': ' + json.dumps(reply['error']))
                return reply.get('result', {})
            self.events.append(reply)

    def read(self):
        while b'\0' not in self.buffer:
            chunk = os.read(self.from_chrome, 65536)
            if not chunk:
                raise RuntimeError('the browser closed its pipe')
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b'\0', 1)
        return json.loads(message)

    def close(self):
        try:
            self.send('Browser.close')
        except Exception:
            pass
        try:
            self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.proc.kill()


def main():
    args = sys.argv[1:]
    metrics = {'width': 390, 'height': 844, 'deviceScaleFactor': 3, 'mobile': True}
    if len(args) > 1 and args[0] == '--desktop':
        metrics = {'width': int(args[1]), 'height': 800, 'deviceScaleFactor': 1, 'mobile': False}
        args = args[2:]
    if len(args) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    chromium, page = args[0], os.path.abspath(args[1])
    with tempfile.TemporaryDirectory() as profile:
        b = Browser(chromium, profile)
        try:
            targets = b.send('Target.getTargets')['targetInfos']
            target = next(t['targetId'] for t in targets if t['type'] == 'page')
            s = b.send('Target.attachToTarget', {'targetId': target, 'flatten': True})['sessionId']
            b.send('Emulation.setDeviceMetricsOverride', metrics, s)
            b.send('Page.navigate', {'url': 'file://' + page}, s)
            deadline = time.time() + 30
            while time.time() < deadline:
                state = b.send('Runtime.evaluate', {'expression': 'document.readyState', 'returnByValue': True}, s)
                if state['result'].get('value') == 'complete':
                    break
                time.sleep(0.1)
            result = b.send('Runtime.evaluate', {'expression': MEASURE, 'returnByValue': True}, s)
            print(result['result']['value'])
            if len(args) > 2:
                shot = b.send('Page.captureScreenshot', {'format': 'png'}, s)
                with open(args[2], 'wb') as f:
                    f.write(base64.b64decode(shot['data']))
        finally:
            b.close()
    return 0


if __name__ == '__main__':
    sys.exit(main())
