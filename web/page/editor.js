// The source editor: CodeMirror coloured by the extension's TextMate grammar, the lines that the
// assembler's messages name marked, the bytes that are no UTF-8 shown as such, and the editing
// commands of a programmer's editor: find and replace, go to line, toggle comment.
import { defaultKeymap, history, historyKeymap } from '@codemirror/commands';
import { HighlightStyle, StreamLanguage, syntaxHighlighting } from '@codemirror/language';
import { gotoLine, search, searchKeymap } from '@codemirror/search';
import {
    Compartment,
    EditorSelection,
    EditorState,
    RangeSetBuilder,
    StateEffect,
    StateField,
} from '@codemirror/state';
import {
    Decoration,
    EditorView,
    GutterMarker,
    ViewPlugin,
    drawSelection,
    gutter,
    highlightActiveLineGutter,
    highlightSpecialChars,
    keymap,
    lineNumbers,
} from '@codemirror/view';
import { tags } from '@lezer/highlight';
import { INITIAL } from 'vscode-textmate';

import { kByteCharacter } from './bytes.js';
import { languageExtension } from './language.js';
import { firstAtLeast } from './sorted.js';

// The highlighting tag of each kind of token, by the prefix of its TextMate scope. A character
// takes the outermost scope found here, so the punctuation of a comment is coloured as comment.
const kTagOfScope = [
    ['comment.', 'lineComment'],
    ['keyword.control.directive.', 'processingInstruction'],
    ['keyword.other.mnemonic.', 'keyword'],
    ['keyword.operator.', 'operator'],
    ['variable.language.register.', 'variableName.standard'],
    ['variable.other.register.', 'variableName.special'],
    ['variable.other.', 'variableName'],
    ['entity.name.label.', 'labelName'],
    ['constant.numeric.', 'number'],
    ['string.', 'string'],
    ['punctuation.', 'punctuation'],
    ['invalid.', 'invalid'],
];

function tagOf(scopes) {
    for (const scope of scopes) {
        const found = kTagOfScope.find(([prefix]) => scope.startsWith(prefix));
        if (found) return found[1];
    }
    return null;
}

const kHighlightStyle = HighlightStyle.define([
    { tag: tags.lineComment, class: 'tok-comment' },
    { tag: tags.processingInstruction, class: 'tok-directive' },
    { tag: tags.keyword, class: 'tok-mnemonic' },
    { tag: tags.operator, class: 'tok-operator' },
    { tag: tags.standard(tags.variableName), class: 'tok-register' },
    { tag: tags.special(tags.variableName), class: 'tok-register-name' },
    { tag: tags.variableName, class: 'tok-name' },
    { tag: tags.labelName, class: 'tok-label' },
    { tag: tags.number, class: 'tok-number' },
    { tag: tags.string, class: 'tok-string' },
    { tag: tags.punctuation, class: 'tok-punctuation' },
    { tag: tags.invalid, class: 'tok-invalid' },
]);

// The colours stop this far into a line. The grammar's time grows with the square of a line's
// length beyond a few hundred characters, and the assembler reads no more than 255 of a line.
const kColouredLineMax = 500;

// A CodeMirror language that tokenizes each line with the TextMate grammar, carrying the
// grammar's rule stack from line to line.
function textMateLanguage(grammar) {
    const tokenize = (state, line) => {
        const result = grammar.tokenizeLine(line.slice(0, kColouredLineMax), state.stack);
        state.stack = result.ruleStack;
        state.tokens = result.tokens;
        state.next = 0;
    };
    return StreamLanguage.define({
        name: 'tevlin',
        startState: () => ({ stack: INITIAL, tokens: [], next: 0 }),
        copyState: (state) => ({ ...state }),
        blankLine: (state) => tokenize(state, ''),
        token(stream, state) {
            if (stream.sol()) tokenize(state, stream.string);
            while (state.tokens[state.next]?.endIndex <= stream.pos) state.next++;
            const token = state.tokens[state.next];
            // The grammar's last token ends behind the line, on the line end it adds.
            stream.pos = Math.min(token?.endIndex ?? Infinity, stream.string.length);
            return token ? tagOf(token.scopes) : null;
        },
    });
}

// The colours come once the grammar is loaded; the text is shown and edited before.
const colouring = new Compartment();

/** Colours the editor's source with the grammar (a TextMate grammar). */
export function colour(view, grammar) {
    view.dispatch({ effects: colouring.reconfigure(textMateLanguage(grammar)) });
}

// The directives that the assembler takes only in the first column. A line that starts with one
// of them loses its indent as the directive is typed: Enter copies the last line's indent.
const kColumnOneDirective = /^[ \t]+(?=\.(?:ORG|CSEG|DSEG|EQU|DEF)\b)/i;

const directivesToColumnOne = EditorState.transactionFilter.of((transaction) => {
    if (!transaction.isUserEvent('input.type')) return transaction;
    const line = transaction.newDoc.lineAt(transaction.newSelection.main.head);
    // A line being typed is short; the start of a longer one is enough to look at.
    const start = transaction.newDoc.sliceString(line.from, Math.min(line.to, line.from + 100));
    const indent = kColumnOneDirective.exec(start);
    if (!indent) return transaction;
    const dedent = { from: line.from, to: line.from + indent[0].length };
    return [transaction, { changes: dedent, sequential: true }];
});

// Where line number n starts, n taken into the document's lines: a message can name a line that
// an edit since has removed.
const lineStart = (doc, n) => doc.line(Math.max(1, Math.min(n, doc.lines))).from;

const setErrorLines = StateEffect.define();

// Where the marked lines start, in order: set by each run, moved along with edits until the next,
// which may move one into the line before.
const errorLineStarts = StateField.define({
    create: () => [],
    update(starts, transaction) {
        for (const effect of transaction.effects) {
            if (effect.is(setErrorLines)) {
                return effect.value.map((n) => lineStart(transaction.state.doc, n));
            }
        }
        return transaction.docChanged ? starts.map((at) => transaction.changes.mapPos(at)) : starts;
    },
});

const marksMoved = (update) =>
    update.startState.field(errorLineStarts) !== update.state.field(errorLineStarts);

const errorLineDecoration = Decoration.line({ class: 'cm-error-line' });

// The marked lines in view, and only those: a run may mark tens of thousands.
const errorLineBackgrounds = ViewPlugin.fromClass(
    class {
        constructor(view) {
            this.decorations = this.draw(view);
        }
        update(update) {
            if (update.viewportChanged || marksMoved(update))
                this.decorations = this.draw(update.view);
        }
        draw(view) {
            const starts = view.state.field(errorLineStarts);
            const marks = new RangeSetBuilder();
            let last = -1;
            for (const { from, to } of view.visibleRanges) {
                for (let i = firstAtLeast(starts, from); starts[i] <= to; i++) {
                    const line = view.state.doc.lineAt(starts[i]).from;
                    if (line <= last) continue;
                    marks.add(line, line, errorLineDecoration);
                    last = line;
                }
            }
            return marks.finish();
        }
    },
    { decorations: (plugin) => plugin.decorations },
);

const errorMarker = new (class extends GutterMarker {
    elementClass = 'error';
})();

// A strip beside the line numbers, marked on the lines in view that a message names.
const errorGutter = gutter({
    class: 'cm-error-gutter',
    lineMarker(view, line) {
        const starts = view.state.field(errorLineStarts);
        return starts[firstAtLeast(starts, line.from)] <= line.to ? errorMarker : null;
    },
    lineMarkerChange: marksMoved,
});

/** A byte that is no UTF-8 shown as its value, a control character as its symbol: in the
 *  source and in the files that show it. */
export const specialCharacters = highlightSpecialChars({
    addSpecialChars: kByteCharacter,
    render(code, description, placeholder) {
        const element = document.createElement('span');
        element.className = 'cm-specialChar';
        const isByte = code >= 0xdc80 && code <= 0xdcff;
        element.textContent = isByte ? (code - 0xdc00).toString(16).toUpperCase() : placeholder;
        element.title = isByte ? `byte 0x${element.textContent}, no UTF-8` : description;
        return element;
    },
});

// Ctrl+G goes to a line, as in most editors; F3 finds the next match.
const kKeymap = [
    { key: 'Mod-g', run: gotoLine },
    ...searchKeymap,
    ...defaultKeymap,
    ...historyKeymap,
];

const cursorLine = (state) => state.doc.lineAt(state.selection.main.head).number;

/** Makes the editor in parent; onChange is called after every edit, onCursorLine with the
 *  cursor's line number whenever it may have moved. */
export function createEditor({ parent, onChange, onCursorLine }) {
    return new EditorView({
        parent,
        state: EditorState.create({
            extensions: [
                // Only LF ends a line, as in the assembler: a CR stays in its line, shown.
                EditorState.lineSeparator.of('\n'),
                errorLineStarts,
                errorGutter,
                lineNumbers(),
                highlightActiveLineGutter(),
                specialCharacters,
                history(),
                drawSelection(),
                search({ top: true }),
                keymap.of(kKeymap),
                colouring.of([]),
                EditorState.languageData.of(() => [{ commentTokens: { line: ';' } }]),
                directivesToColumnOne,
                syntaxHighlighting(kHighlightStyle),
                errorLineBackgrounds,
                languageExtension,
                EditorView.contentAttributes.of({ 'aria-label': 'Source' }),
                EditorView.updateListener.of((update) => {
                    if (update.docChanged) onChange();
                    if (update.docChanged || update.selectionSet) {
                        onCursorLine(cursorLine(update.state));
                    }
                }),
                // A dropped file is opened by the page, not pasted into the source.
                EditorView.domEventHandlers({
                    drop: (event) => event.dataTransfer.files.length > 0,
                }),
            ],
        }),
    });
}

export function setText(view, text) {
    view.dispatch({ changes: { from: 0, to: view.state.doc.length, insert: text } });
}

/** Marks the lines with the given numbers (from 1, in order). */
export function markLines(view, numbers) {
    view.dispatch({ effects: setErrorLines.of(numbers) });
}

/** Puts the cursor at the start of line number n and the focus in the editor. */
export function goToLine(view, n) {
    const at = lineStart(view.state.doc, n);
    view.dispatch({
        selection: EditorSelection.cursor(at),
        effects: EditorView.scrollIntoView(at, { y: 'center' }),
    });
    view.focus();
}
