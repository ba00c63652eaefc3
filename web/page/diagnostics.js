// The language server's diagnostics in the editor: the token of each message marked, and when the
// pointer rests on the mark, the message with its notes beside it, a note elsewhere with a button
// to its line. A source can have a hundred thousand of them: they are kept as arrays of places in
// the document that the server read, with the changes made since, and only the ones in view are
// mapped into the document as it is and drawn.
import {
    ChangeSet,
    RangeSetBuilder,
    StateEffect,
    StateField,
    codePointAt,
    codePointSize,
} from '@codemirror/state';
import { Decoration, ViewPlugin, hoverTooltip } from '@codemirror/view';

import { firstAtLeast } from './sorted.js';

const setDiagnostics = StateEffect.define();

// A diagnostic's mark by its severity (1 error, 2 warning, 3 information, 4 hint).
const kSeverityWords = ['', 'error', 'warning', 'information', 'hint'];
const kMarks = kSeverityWords.map((word) => Decoration.mark({ class: `cm-diagnostic-${word}` }));

// The diagnostics in the document doc that the server read, in the order of their starts: from,
// to and severity of each, their texts (see diagnosticsOf in the worker), and the changes from
// doc to the editor's document.
const diagnosticsField = StateField.define({
    create: (state) => ({
        doc: state.doc,
        from: new Int32Array(),
        to: new Int32Array(),
        severities: new Uint8Array(),
        details: '',
        starts: new Int32Array(1),
        changes: ChangeSet.empty(state.doc.length).desc,
    }),
    update(value, transaction) {
        for (const effect of transaction.effects) {
            if (effect.is(setDiagnostics)) return effect.value;
        }
        if (!transaction.docChanged) return value;
        return { ...value, changes: value.changes.composeDesc(transaction.changes.desc) };
    },
});

const diagnosticMarks = ViewPlugin.fromClass(
    class {
        constructor(view) {
            this.decorations = this.draw(view);
        }
        update(update) {
            const moved =
                update.startState.field(diagnosticsField) !== update.state.field(diagnosticsField);
            if (moved || update.viewportChanged) this.decorations = this.draw(update.view);
        }
        draw(view) {
            const { from, to, severities, changes } = view.state.field(diagnosticsField);
            const back = changes.invertedDesc;
            const marks = new RangeSetBuilder();
            for (const range of view.visibleRanges) {
                const end = back.mapPos(range.to, 1);
                for (let i = firstAtLeast(from, back.mapPos(range.from, -1)); from[i] <= end; i++) {
                    const start = changes.mapPos(from[i], 1);
                    const stop = changes.mapPos(to[i], -1);
                    if (stop > start) marks.add(start, stop, kMarks[severities[i]]);
                }
            }
            return marks.finish();
        }
    },
    { decorations: (plugin) => plugin.decorations },
);

// The message and notes of the diagnostics in indices, one paragraph each; a note on another line
// has a button that puts the cursor at its place, moved along with the edits since.
function tipOf(view, { doc, details, starts, changes }, indices, line) {
    const tip = document.createElement('div');
    tip.className = 'cm-diagnostic-tip';
    for (const i of indices) {
        const { message, notes } = JSON.parse(details.slice(starts[i], starts[i + 1]));
        const paragraph = tip.appendChild(document.createElement('p'));
        paragraph.textContent = message;
        for (const note of notes) {
            const said = tip.appendChild(document.createElement('p'));
            said.className = 'cm-diagnostic-note';
            said.textContent = `note: ${note.text}`;
            if (note.line === line) continue;
            const go = said.appendChild(document.createElement('button'));
            go.type = 'button';
            go.textContent = `line ${note.line + 1}`;
            go.addEventListener('click', () => {
                const target = doc.line(Math.min(note.line + 1, doc.lines));
                const at = changes.mapPos(Math.min(target.from + note.character, target.to));
                view.dispatch({ selection: { anchor: at }, scrollIntoView: true });
                view.focus();
            });
        }
    }
    return tip;
}

// The diagnostics whose range holds the place the pointer rests on.
const diagnosticTips = hoverTooltip((view, pos) => {
    const value = view.state.field(diagnosticsField);
    const { doc, from, to, changes } = value;
    const at = changes.invertedDesc.mapPos(pos);
    const line = doc.lineAt(at);
    const found = [];
    for (let i = firstAtLeast(from, line.from); from[i] <= at; i++) {
        if (to[i] >= at) found.push(i);
    }
    if (found.length === 0) return null;
    return {
        pos: changes.mapPos(Math.min(...found.map((i) => from[i])), 1),
        end: changes.mapPos(Math.max(...found.map((i) => to[i])), -1),
        above: true,
        create: () => ({ dom: tipOf(view, value, found, line.number - 1) }),
    };
});

/** The diagnostics' marks and notes, for the editor's extensions. */
export const diagnosticsExtension = [diagnosticsField, diagnosticMarks, diagnosticTips];

/** Shows diagnostics (as the worker gives them) of the document doc that the server read;
 *  changes lead from doc to the view's document. */
export function showDiagnostics(view, doc, changes, diagnostics) {
    const { ranges, severities, details, starts } = diagnostics;
    const from = new Int32Array(severities.length);
    const to = new Int32Array(severities.length);
    // The diagnostics come in the order of their lines, most on a line that the one before is on;
    // a place past the last line is the document's end.
    let line = doc.line(1);
    const offset = (number, character) => {
        if (Math.min(number + 1, doc.lines) !== line.number) {
            line = doc.line(Math.min(number + 1, doc.lines));
        }
        return number < doc.lines ? Math.min(line.from + character, line.to) : line.to;
    };
    for (let i = 0; i < severities.length; i++) {
        from[i] = offset(ranges[i * 4], ranges[i * 4 + 1]);
        to[i] = offset(ranges[i * 4 + 2], ranges[i * 4 + 3]);
        // An empty range is marked on the character after it, or at the end of a line (the place
        // after the last word of a line that ends too early) on the one before it. The server's
        // places are whole characters, so the marks stay in the order of their starts.
        if (from[i] < to[i] || line.length === 0) continue;
        const at = from[i] - line.from;
        if (at < line.length) to[i] += codePointSize(codePointAt(line.text, at));
        else from[i] -= /[\ud800-\udbff][\udc00-\udfff]$/.test(line.text) ? 2 : 1;
    }
    const value = { doc, from, to, severities, details, starts, changes: changes.desc };
    view.dispatch({ effects: setDiagnostics.of(value) });
}
