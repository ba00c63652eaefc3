// The files that tevlin writes and the source that tevlin-dis prints, each shown read-only in a
// CodeMirror view: it draws only the lines in view however long the file, and finds text in it.
// The listing also highlights the entry of one source line, and names the entry clicked.
import { defaultKeymap } from '@codemirror/commands';
import { search, searchKeymap } from '@codemirror/search';
import { EditorState, StateEffect, StateField } from '@codemirror/state';
import { Decoration, EditorView, drawSelection, keymap } from '@codemirror/view';

import { bytesToText } from './bytes.js';
import { specialCharacters } from './editor.js';

const setEntry = StateEffect.define();
const entryDecoration = Decoration.line({ class: 'cm-entry' });

// The highlighted listing lines, from the first to the last line number of an entry.
const entryLines = StateField.define({
    create: () => Decoration.none,
    update(lines, transaction) {
        for (const effect of transaction.effects) {
            if (!effect.is(setEntry)) continue;
            if (!effect.value) return Decoration.none;
            const { doc } = transaction.state;
            const [first, last] = effect.value;
            const starts = [];
            for (let n = first; n <= Math.min(last, doc.lines); n++) starts.push(doc.line(n).from);
            return Decoration.set(starts.map((at) => entryDecoration.range(at)));
        }
        return lines.map(transaction.changes);
    },
    provide: (field) => EditorView.decorations.from(field),
});

// A click that selects nothing, or Enter, picks the line of the cursor.
const picking = (onPick) => {
    const pick = (view) => onPick(view.state.doc.lineAt(view.state.selection.main.head).number);
    return [
        keymap.of([{ key: 'Enter', run: (view) => (pick(view), true) }]),
        EditorView.domEventHandlers({
            click(event, view) {
                if (event.detail === 1 && view.state.selection.main.empty) pick(view);
            },
        }),
    ];
};

// The number of line ends among bytes from index from up to index to.
function lineEnds(bytes, from, to) {
    let count = 0;
    for (let at = bytes.indexOf(10, from); at >= 0 && at < to; at = bytes.indexOf(10, at + 1)) {
        count++;
    }
    return count;
}

// The change that turns doc, the text of the file shown (bytes), into the text of the file next
// (bytes): the lines between the lines that the two share at their start and at their end. Only
// those are read, so a file of megabytes that changed in one line costs the page one line.
function changeOf(doc, shown, next) {
    const limit = Math.min(shown.length, next.length);
    let start = 0;
    while (start < limit && shown[start] === next[start]) start++;
    // The shared start and end are whole lines: each ends, or starts, at a line end they share.
    start = start === 0 ? 0 : shown.lastIndexOf(10, start - 1) + 1;
    let end = 0;
    const last = shown.length - 1;
    while (end < limit - start && shown[last - end] === next[next.length - 1 - end]) end++;
    const lineEnd = end === 0 ? -1 : shown.indexOf(10, shown.length - end);
    end = lineEnd < 0 ? 0 : last - lineEnd;
    // Where the line that starts at byte at starts in doc, its line ends counted on the shorter
    // side of it.
    const lineAt = (at) =>
        doc.line(
            at < shown.length / 2 ?
                lineEnds(shown, 0, at) + 1
            :   doc.lines - lineEnds(shown, at, shown.length),
        ).from;
    return {
        from: lineAt(start),
        to: end === 0 ? doc.length : lineAt(shown.length - end),
        insert: bytesToText(next.subarray(start, next.length - end)),
    };
}

/** A pane in parent that shows a file read-only, named label; onPick, when given, is called with
 *  the line number that a click or Enter picks. The pane reads its file and makes its view only
 *  when it is in view: a page of tabs shows one file at a time. */
export function createPane(parent, label, onPick) {
    let view = null;
    let shown = new Uint8Array();
    let waiting = new Uint8Array();
    const makeView = () =>
        new EditorView({
            parent,
            state: EditorState.create({
                extensions: [
                    EditorState.readOnly.of(true),
                    EditorState.lineSeparator.of('\n'),
                    specialCharacters,
                    drawSelection(),
                    search({ top: true }),
                    onPick ? [entryLines, picking(onPick)] : [],
                    keymap.of([...searchKeymap, ...defaultKeymap]),
                    EditorView.contentAttributes.of({ 'aria-label': label }),
                ],
            }),
        });
    return {
        /** Shows a file (bytes) now if the pane is in view, else once it comes into view. */
        show(bytes) {
            waiting = bytes;
            if (!parent.closest('[hidden]')) this.update();
        },
        /** Shows the file that the pane waited with while it was out of view, changing only the
         *  lines that differ from the file shown, so that where the pane was scrolled to stays
         *  in view. */
        update() {
            if (!waiting) return;
            view ??= makeView();
            view.dispatch({ changes: changeOf(view.state.doc, shown, waiting) });
            shown = waiting;
            waiting = null;
        },
        /** The text that the pane shows or is to show. */
        text: () => (waiting ? bytesToText(waiting) : (view?.state.doc.toString() ?? '')),
        /** The view, once the pane was in view; null before. */
        view: () => view,
    };
}

/** Highlights the listing lines first to last of a listing's pane and scrolls them into view;
 *  null clears. */
export function highlightEntry(pane, lines) {
    const view = pane.view();
    if (!view) return;
    const effects = [setEntry.of(lines)];
    if (lines) {
        const at = view.state.doc.line(Math.min(lines[0], view.state.doc.lines)).from;
        effects.push(EditorView.scrollIntoView(at, { y: 'nearest', yMargin: 40 }));
    }
    view.dispatch({ effects });
}
