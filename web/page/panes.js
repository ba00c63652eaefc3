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

// How far from their start (or, with fromEnd, from their end) the texts a and b agree, compared
// a block at a time, in blocks ever smaller.
function agreeing(a, b, limit, fromEnd) {
    const part = (text, at, length) =>
        fromEnd ?
            text.slice(text.length - at - length, text.length - at)
        :   text.slice(at, at + length);
    let length = 0;
    for (let block = 4096; block >= 1; block >>= 4) {
        while (length + block <= limit && part(a, length, block) === part(b, length, block)) {
            length += block;
        }
    }
    return length;
}

/** A pane in parent that shows a file read-only, named label; onPick, when given, is called with
 *  the line number that a click or Enter picks. The pane reads its file and makes its view only
 *  when it is in view: a page of tabs shows one file at a time. */
export function createPane(parent, label, onPick) {
    let view = null;
    let shown = '';
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
    // The new text replaces only what differs from the text shown, so that where the pane was
    // scrolled to stays in view.
    const replaceText = (text) => {
        const start = agreeing(shown, text, Math.min(shown.length, text.length), false);
        const end = agreeing(shown, text, Math.min(shown.length, text.length) - start, true);
        view.dispatch({
            changes: {
                from: start,
                to: shown.length - end,
                insert: text.slice(start, text.length - end),
            },
        });
        shown = text;
    };
    return {
        /** Shows a file (bytes) now if the pane is in view, else once it comes into view. */
        show(bytes) {
            waiting = bytes;
            if (!parent.closest('[hidden]')) this.update();
        },
        /** Shows the file that the pane waited with while it was out of view. */
        update() {
            if (!waiting) return;
            view ??= makeView();
            replaceText(bytesToText(waiting));
            waiting = null;
        },
        /** The text that the pane shows or is to show. */
        text: () => (waiting ? bytesToText(waiting) : shown),
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
