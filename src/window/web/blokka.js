// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of Blokka: it starts the module, hands it the browser's events and does what
// the module asks of the page (page_imports.h), no more. The game and its window layer, the
// menus, the cells' pixels and the keys' codes are the module's.
'use strict';
(async () => {
  const $ = (id) => document.getElementById(id);
  const note = (text) => Object.assign($('note'), {textContent: text, hidden: false});
  if (typeof WebAssembly !== 'object') {
    return note('Нет WebAssembly: в этом браузере Блокка не запустится.');
  }
  const game = $('game'), canvas = $('canvas'), label = $('lblTotal');
  const context = canvas.getContext('2d');
  const elements = new Map();  // menu elements by id
  let module, page = 0, timer = 0, frame = null, release = () => {};
  const bytes = (at, length) => new Uint8Array(module.memory.buffer, at, length);
  const text = (at, length) => new TextDecoder().decode(bytes(at, length));
  const imports = {
    page: {
      blit(at, width, height, x, y, w, h) {
        if (!frame || frame.data.buffer !== module.memory.buffer || frame.data.byteOffset !== at ||
            frame.width !== width || frame.height !== height) {
          const pixels = new Uint8ClampedArray(module.memory.buffer, at, width * height * 4);
          frame = new ImageData(pixels, width, height);
        }
        if (canvas.width !== width || canvas.height !== height) {
          Object.assign(canvas, {width, height});
        }
        context.putImageData(frame, 0, 0, x, y, w, h);
      },
      label(at, length, rgb, left, top) {
        label.textContent = text(at, length);
        Object.assign(label.style, {color: '#' + rgb.toString(16).padStart(6, '0'),
                                    left: left + 'px', top: top + 'px'});
      },
      timer(milliseconds) {
        clearInterval(timer);
        timer = milliseconds > 0 ? setInterval(() => page && module.blokka_tick(page), milliseconds) : 0;
      },
      menus(at, length) {
        $('bar').innerHTML = text(at, length);
        $('bar').querySelectorAll('[data-id]').forEach((e) => elements.set(+e.dataset.id, e));
      },
      menu_classes(id, at, length) { elements.get(id).className = text(at, length); },
      // Icons are made once the first board is on the screen.
      icon(at, size) {
        const pixels = new Uint8ClampedArray(bytes(at, size * size * 4));
        requestAnimationFrame(() => setTimeout(() => {
          const picture = Object.assign(document.createElement('canvas'), {width: size, height: size});
          picture.getContext('2d').putImageData(new ImageData(pixels, size, size), 0, 0);
          document.querySelector('link[href="data:,"]')?.remove();
          document.head.append(Object.assign(document.createElement('link'),
            {rel: 'icon', sizes: size + 'x' + size, href: picture.toDataURL()}));
        }));
      },
      time_of_day() {
        const now = new Date();
        return now - new Date(now).setHours(0, 0, 0, 0);
      },
      end() {
        clearInterval(timer);
        page = 0;
        game.remove();
        release();
        close();
      },
    },
    wasi_snapshot_preview1: {proc_exit(status) { throw new Error('Blokka stopped: ' + status); }},
  };

  // The client area, which the player may resize, and the canvas's device pixels where the
  // browser tells them.
  let screen = [devicePixelRatio || 1, 265, 370, 0, 0];
  const resized = ([entry]) => {
    const device = entry.devicePixelContentBoxSize && entry.devicePixelContentBoxSize[0];
    screen = [devicePixelRatio || 1, entry.contentRect.width, entry.contentRect.height,
              device ? device.inlineSize : 0, device ? device.blockSize : 0];
    if (page) module.blokka_screen(page, ...screen);
  };
  const observer = new ResizeObserver(resized);
  try {
    observer.observe(canvas, {box: 'device-pixel-content-box'});
  } catch {
    observer.observe(canvas);
  }

  // The module starts while the lock is asked for. One copy per browser profile: the lock is
  // the running copy's for as long as its page lives.
  const source = self.blokkaModule;
  const starting = (source ? Promise.resolve(Uint8Array.from(atob(source), (c) => c.charCodeAt(0)))
                           : fetch('blokka.wasm').then((response) => response.arrayBuffer()))
    .then((code) => WebAssembly.instantiate(code, imports));
  const locking = new Promise((resolve, reject) => navigator.locks.request(
    'blokka', {ifAvailable: true}, (held) => {
      resolve(held ? 1 : 2);  // WebWindowLayer::Lock: missing, held, held elsewhere
      return held && new Promise((done) => { release = done; });
    }).catch(reject)).catch(() => {
    note('Нет Web Locks: Блокка не узнает, идёт ли она уже в другой вкладке.');
    return 0;
  });
  module = (await starting).instance.exports;
  module._initialize();
  const lock = await locking;
  page = module.blokka_start(lock, ...screen);
  if (!page) return;
  game.style.visibility = 'visible';

  addEventListener('keydown', (event) => {
    if (!page) return;
    const field = bytes(module.blokka_key_code(page), 32);
    field.fill(0);
    new TextEncoder().encodeInto(event.code.slice(0, 31), field);
    const modifiers = event.shiftKey | event.ctrlKey << 1 | event.altKey << 2 | event.metaKey << 3;
    if (module.blokka_key(page, event.keyCode, modifiers)) event.preventDefault();
  });
  // Over a menu element its id, over the canvas 0, elsewhere -1.
  const over = (event) => {
    const element = event.target.closest && event.target.closest('[data-id]');
    return element ? +element.dataset.id : event.target === canvas ? 0 : -1;
  };
  ['mousemove', 'mousedown', 'mouseup'].forEach((type, deed) => addEventListener(type, (event) => {
    if (page && module.blokka_pointer(page, deed, over(event), event.offsetX, event.offsetY,
                                      event.button)) {
      event.preventDefault();
    }
  }));
  addEventListener('contextmenu', (event) => { if (over(event) >= 0) event.preventDefault(); });
  // A window that loses the focus closes its menus, as if pressed elsewhere.
  addEventListener('blur', () => page && module.blokka_pointer(page, 1, -1, 0, 0, 0));
})();
