// The assembler's messages as a list box: one stop of the Tab key, the arrow keys, Home, End and
// the page keys move among the messages, Enter or a click takes the cursor to the line that the
// message names. Only the rows in view are in the document, so any number of messages costs
// the page the same.

import { bytesToText } from './bytes.js';

const kRowHeight = 20;
// Rows drawn above and below the view, so that a quick scroll shows no gap.
const kRowsAround = 10;
// The list is as high as this many rows, or fewer when there are fewer messages.
const kRowsShown = 8;

/** Makes the list box element (an empty element) show messages; onChoose gets the line number
 *  that the chosen message names. */
export function createMessageList(element, onChoose) {
    let text = new Uint8Array();
    let starts = new Int32Array([0]);
    let named = new Int32Array();
    let count = 0;
    let active = -1;
    const rows = document.createElement('div');
    rows.className = 'rows';
    element.append(rows);
    element.setAttribute('role', 'listbox');
    element.tabIndex = 0;

    const idOf = (index) => `${element.id}-${index}`;

    function option(index) {
        const row = document.createElement('div');
        row.id = idOf(index);
        row.setAttribute('role', 'option');
        row.setAttribute('aria-selected', String(index === active));
        row.setAttribute('aria-posinset', String(index + 1));
        row.setAttribute('aria-setsize', String(count));
        row.classList.toggle('names-line', named[index] > 0);
        row.style.top = `${index * kRowHeight}px`;
        row.textContent = bytesToText(text.subarray(starts[index], starts[index + 1] - 1));
        return row;
    }

    function draw() {
        const first = Math.max(0, Math.floor(element.scrollTop / kRowHeight) - kRowsAround);
        const shown = Math.ceil(element.clientHeight / kRowHeight) + 2 * kRowsAround;
        const last = Math.min(count, first + shown);
        const drawn = [];
        for (let index = first; index < last; index++) drawn.push(option(index));
        // The active option stays in the document, where aria-activedescendant finds it.
        if (active >= 0 && (active < first || active >= last)) drawn.push(option(active));
        rows.replaceChildren(...drawn);
    }

    function activate(index) {
        active = Math.max(0, Math.min(index, count - 1));
        const top = active * kRowHeight;
        if (top < element.scrollTop) element.scrollTop = top;
        const bottom = top + kRowHeight - element.clientHeight;
        if (bottom > element.scrollTop) element.scrollTop = bottom;
        draw();
        element.setAttribute('aria-activedescendant', idOf(active));
    }

    function choose(index) {
        activate(index);
        if (named[active] > 0) onChoose(named[active]);
    }

    const pageRows = () => Math.max(1, Math.floor(element.clientHeight / kRowHeight) - 1);
    const kMoves = {
        ArrowDown: () => active + 1,
        ArrowUp: () => Math.max(active - 1, 0),
        PageDown: () => active + pageRows(),
        PageUp: () => Math.max(active - pageRows(), 0),
        Home: () => 0,
        End: () => count - 1,
    };
    element.addEventListener('keydown', (event) => {
        if (count === 0 || event.altKey || event.ctrlKey || event.metaKey) return;
        if (kMoves[event.key]) activate(kMoves[event.key]());
        else if (event.key === 'Enter' || event.key === ' ') choose(Math.max(active, 0));
        else return;
        event.preventDefault();
    });
    element.addEventListener('focus', () => active < 0 && count > 0 && activate(0));
    // A press on a message takes the cursor to its line, and the focus with it.
    element.addEventListener('mousedown', (event) => {
        const row = event.target.closest('[role=option]');
        if (!row || event.button !== 0) return;
        event.preventDefault();
        choose(Number(row.getAttribute('aria-posinset')) - 1);
    });
    element.addEventListener('scroll', () => requestAnimationFrame(draw));
    new ResizeObserver(draw).observe(element);

    /** Shows the messages: a program's output (bytes), where each of its lines starts and one
     *  more would, and the source line that each names (0 for none). */
    return function show(output, lineStarts, lineNumbers) {
        text = output;
        starts = lineStarts;
        named = lineNumbers;
        count = starts.length - 1;
        active = Math.min(active, count - 1);
        element.hidden = count === 0;
        element.style.height = `${Math.min(count, kRowsShown) * kRowHeight}px`;
        rows.style.height = `${count * kRowHeight}px`;
        if (active < 0) element.removeAttribute('aria-activedescendant');
        draw();
    };
}
