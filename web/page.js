// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Form1 in the browser. This code follows the factory emscripten writes (createBoard) in the one
// module of the page. It knows nothing of the board, its pictures or its words: it asks the
// WebAssembly for the controls, every name and text, and what each click does, and does what the
// window does with them, in the window's order.

const board = await createBoard();
const types = (args) => args.map((arg) => (typeof arg === 'number' ? 'number' : 'string'));
const number = (name, ...args) => board.ccall(name, 'number', types(args), args);
const text = (name, ...args) => board.ccall(name, 'string', types(args), args);

// The first of the user's languages that the program speaks, and its decimal separator.
const language = text('tessk_choose_language', (navigator.languages ?? [navigator.language]).join('\n'));
const separator = new Intl.NumberFormat(language).formatToParts(0.5).find((part) => part.type === 'decimal');
board.ccall('tessk_set_decimal_separator', null, ['string'], [separator?.value ?? '.']);
document.documentElement.lang = language;

const element = (id) => document.getElementById(id);
const form = element('Form1');
const caption = text('tessk_caption');
document.title = caption;
element('caption').textContent = caption;
element('failure-title').textContent = caption;
element('failure-ok').textContent = text('tessk_ok_text');

// The form and its controls, in stacking order from the top.
const [formSize, fontSizes, ...rows] = text('tessk_form_description').trimEnd().split('\n');
const [formWidth, formHeight] = formSize.split('\t').map(Number);
const [squarePoints, text1Points] = fontSizes.split('\t').map(Number);
form.style.width = `${formWidth}px`;
form.style.height = `${formHeight}px`;

const squares = [];
let text1 = null;
const controls = rows.map((row, place) => {
    const [name, index, left, top, width, height, tabIndex, label] = row.split('\t');
    const control = name === 'Text1' ? document.createElement('input') : document.createElement('button');
    if (name === 'C') {
        control.id = `C${index}`;
        control.className = 'square';
        control.style.font = `bold ${squarePoints}pt sans-serif`;
        squares[Number(index)] = { button: control, canvas: control.appendChild(document.createElement('canvas')),
            width: Number(width), height: Number(height) };
    } else if (name === 'Text1') {
        control.id = name;
        control.type = 'text';
        control.autocomplete = 'off';
        control.spellcheck = false;
        control.style.font = `${text1Points}pt sans-serif`;
        text1 = control;
    } else {
        control.id = name;
        control.textContent = label;
    }
    if (control instanceof HTMLButtonElement)
        control.type = 'button';
    Object.assign(control.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
    control.style.zIndex = String(rows.length - place);
    return { control, tabIndex: Number(tabIndex) };
});
// The order in the page is the tab order; the stacking comes from z-index.
controls.sort((a, b) => a.tabIndex - b.tabIndex).forEach(({ control }) => form.appendChild(control));
text1.setAttribute('aria-label', text('tessk_sum_box_name'));

// A square's canvas at the picture's size, centred on its button as the window centres a picture:
// the button's middle pixel less half the picture, from the button's outer corner (the style sheet
// takes the border off). Its size and place change only with the picture's size, so that a click
// resizes nothing, and nothing here asks for a layout.
function placeCanvas(square, width, height) {
    const canvas = square.canvas;
    if (canvas.width !== width || canvas.height !== height || canvas.style.left === '') {
        canvas.width = width;
        canvas.height = height;
        canvas.style.left = `${Math.floor((square.width - 1) / 2) - Math.floor(width / 2)}px`;
        canvas.style.top = `${Math.floor((square.height - 1) / 2) - Math.floor(height / 2)}px`;
    }
    return canvas;
}

// The first pictures: the side of the picture files, all of one colour, the shade's; the canvas's
// background until the first file is drawn, which asks nothing of the canvas yet.
const pictureSide = number('tessk_picture_side');
squares.forEach((square, index) => {
    placeCanvas(square, pictureSide, pictureSide).style.backgroundColor =
        `#${number('tessk_shade_colour', index).toString(16).padStart(6, '0')}`;
    square.button.setAttribute('aria-label', text('tessk_square_name', index));
});

// The whole form scales as one to fit a smaller viewport; at its own size or more it stays 1:1.
function fit() {
    const scale = Math.min(1, document.documentElement.clientWidth / formWidth,
        document.documentElement.clientHeight / formHeight);
    form.style.transform = scale < 1 ? `scale(${scale})` : '';
}
window.addEventListener('resize', fit);
fit();

// A failure's report: it says which file and why, and OK (or Escape) gives the focus back.
const failure = element('failure');
const failureMessage = element('failure-message');
const failureOk = element('failure-ok');
let focusBefore = null;

function reportFailure(message) {
    console.error(`tessk-research: ${message}`);
    failureMessage.textContent = message;
    if (failure.hidden) {
        focusBefore = document.activeElement;
        failure.hidden = false;
        form.inert = true;
    }
    failureOk.focus();
}

function closeFailure() {
    failure.hidden = true;
    form.inert = false;
    (focusBefore instanceof HTMLElement && focusBefore !== document.body ? focusBefore : squares[0].button).focus();
    focusBefore = null;
}
failureOk.addEventListener('click', closeFailure);
failure.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') {
        event.preventDefault();
        closeFailure();
    }
});

// A picture read afresh from the page's own folder, checked against the window's bounds before
// anything is decoded, or the reason it cannot be shown.
const maxBytes = number('tessk_max_picture_bytes');
const maxSide = number('tessk_max_picture_side');
const folder = new URL('.', window.location.href).href;
const waitSeconds = 10;

class PictureFailure extends Error {
    constructor(reason, first = 0, second = 0, detail = '') {
        super(reason);
        Object.assign(this, { reason, first, second, detail });
    }
}

async function readBounded(response) {
    const length = response.headers.get('Content-Length');
    if (length !== null && Number(length) > maxBytes) {
        await response.body?.cancel();
        throw new PictureFailure('TooLargeFile');
    }
    const reader = response.body.getReader();
    const chunks = [];
    let total = 0;
    for (;;) {
        const { done, value } = await reader.read();
        if (done)
            break;
        total += value.byteLength;
        if (total > maxBytes) {
            await reader.cancel();
            throw new PictureFailure('TooLargeFile');
        }
        chunks.push(value);
    }
    const bytes = new Uint8Array(total);
    chunks.reduce((at, chunk) => (bytes.set(chunk, at), at + chunk.byteLength), 0);
    return bytes;
}

function checkClaimedSize(bytes) {
    const at = board._malloc(bytes.byteLength);
    if (at === 0) // never with the bound far below the WebAssembly's memory
        throw new Error(`no memory for the ${bytes.byteLength} bytes of a picture`);
    board.HEAPU8.set(bytes, at);
    const claim = number('tessk_read_claimed_size', at, bytes.byteLength);
    board._free(at);
    if (claim === 0)
        throw new PictureFailure('NotAFormat');
    if (claim === 2)
        throw new PictureFailure('TooManyScans');
    const [width, height] = [number('tessk_claimed_width'), number('tessk_claimed_height')];
    if (width > maxSide || height > maxSide)
        throw new PictureFailure('ClaimsTooMuch', width, height);
}

async function fetchPicture(name) {
    const stop = new AbortController();
    const timer = setTimeout(() => stop.abort(), waitSeconds * 1000);
    try {
        const response = await fetch(name, { cache: 'no-store', signal: stop.signal }).catch(async (error) => {
            // No server: the copy the service worker kept, if any (the pictures may bypass it).
            const kept = stop.signal.aborted ? undefined : await globalThis.caches?.match(name, { ignoreSearch: true });
            if (kept === undefined)
                throw error;
            return kept;
        });
        if (response.status === 404 || response.status === 410)
            throw new PictureFailure('NoSuchFile');
        if (response.status === 401 || response.status === 403)
            throw new PictureFailure('PermissionDenied');
        if (!response.ok)
            throw new PictureFailure('ServerAnswered', response.status, 0, response.statusText);
        return await readBounded(response);
    } catch (error) {
        if (error instanceof PictureFailure)
            throw error;
        throw stop.signal.aborted ? new PictureFailure('NoAnswer', waitSeconds) : new PictureFailure('Unreachable');
    } finally {
        clearTimeout(timer);
    }
}

async function loadPicture(name) {
    const bytes = await fetchPicture(name);
    if (bytes.byteLength === 0)
        throw new PictureFailure('Empty');
    checkClaimedSize(bytes);
    let picture;
    try {
        picture = await createImageBitmap(new Blob([bytes]));
    } catch (error) {
        throw new PictureFailure('NotReadable', 0, 0, error.message);
    }
    if (picture.width > maxSide || picture.height > maxSide) {
        picture.close();
        throw new PictureFailure('DecodesTooLarge', picture.width, picture.height);
    }
    return picture;
}

// Draws the picture centred on its square, as the window does; false, with the failure
// reported, when it cannot be shown: the square keeps its picture.
async function showPicture(index, name) {
    let picture;
    try {
        picture = await loadPicture(name);
    } catch (error) {
        if (!(error instanceof PictureFailure))
            throw error;
        reportFailure(text('tessk_failure_message', name, folder, error.reason, error.first, error.second,
            error.detail));
        return false;
    }
    const canvas = placeCanvas(squares[index], picture.width, picture.height);
    const context = canvas.getContext('2d');
    context.clearRect(0, 0, canvas.width, canvas.height);
    context.drawImage(picture, 0, 0);
    if (canvas.style.backgroundColor !== '')
        canvas.style.backgroundColor = '';
    picture.close();
    return true;
}

const announcement = element('announcement');

function storeCode(index, code, announce) {
    number('tessk_store_code', index, code);
    const name = text('tessk_square_name', index);
    squares[index].button.setAttribute('aria-label', name);
    if (announce)
        announcement.textContent = name;
}

// The three handlers, as the window has them.
async function cClick(index) {
    text1.value = '';
    const picture = text('tessk_click_picture', index);
    const code = number('tessk_click_code', index);
    if (await showPicture(index, picture))
        storeCode(index, code, true);
    command1Click();
}

function command1Click() {
    text1.value = text('tessk_sum_text');
    // A long sum shows its leading digits. A box without the focus shows them already (moving it
    // back would lay the page out on every click); one with the focus keeps its caret in view.
    if (document.activeElement === text1) {
        text1.setSelectionRange(0, 0);
        text1.scrollLeft = 0;
    }
}

async function command2Click() {
    const empty = number('tessk_empty_code');
    for (let index = 0; index < squares.length; ++index) {
        if (!(await showPicture(index, text('tessk_reset_picture', index))))
            break;
        storeCode(index, empty, squares[index].button === document.activeElement);
    }
    command1Click();
}

// One handler at a time, each to its end: a click that comes while one waits for a file waits its turn.
let queue = Promise.resolve();
let waiting = 0;

function enqueue(handler) {
    ++waiting;
    form.dataset.busy = 'true';
    queue = queue.then(handler).catch((error) => console.error(error)).then(() => {
        if (--waiting === 0)
            delete form.dataset.busy;
    });
}

const arrows = { ArrowLeft: [0, -1], ArrowRight: [0, 1], ArrowUp: [-1, 0], ArrowDown: [1, 0] };
squares.forEach(({ button }, index) => {
    button.addEventListener('click', () => enqueue(() => cClick(index)));
    // The arrow keys move the focus to the neighbouring square; at an edge it stays.
    button.addEventListener('keydown', (event) => {
        const step = arrows[event.key];
        if (!step || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey)
            return;
        event.preventDefault();
        const next = number('tessk_neighbour', index, step[0], step[1]);
        if (next >= 0)
            squares[next].button.focus();
    });
});
element('Command1').addEventListener('click', () => enqueue(command1Click));
element('Command2').addEventListener('click', () => enqueue(command2Click));

squares[0].button.focus();
if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('service-worker.js').catch((error) => console.error(error));
document.documentElement.dataset.ready = 'true';
