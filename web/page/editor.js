// The source editor: CodeMirror coloured by the extension's TextMate grammar, the lines that the
// assembler's messages name marked, and the bytes that are no UTF-8 shown as such.
import { defaultKeymap, history, historyKeymap } from '@codemirror/commands';
import { HighlightStyle, StreamLanguage, syntaxHighlighting } from '@codemirror/language';
import { EditorSelection, EditorState, RangeSet, StateEffect, StateField } from '@codemirror/state';
import {
    Decoration,
    EditorView,
    GutterMarker,
    drawSelection,
    gutterLineClass,
    highlightActiveLineGutter,
    highlightSpecialChars,
    keymap,
    lineNumbers,
} from '@codemirror/view';
import { tags } from '@lezer/highlight';
import { INITIAL } from 'vscode-textmate';

import { kByteCharacter } from './bytes.js';

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

// A CodeMirror language that tokenizes each line with the TextMate grammar, carrying the
// grammar's rule stack from line to line.
function textMateLanguage(grammar) {
    const tokenize = (state, line) => {
        const result = grammar.tokenizeLine(line, state.stack);
        state.stack = result.ruleStack;
        state.tokens = result.tokens;
    };
    return StreamLanguage.define({
        name: 'tevlin',
        startState: () => ({ stack: INITIAL, tokens: [] }),
        copyState: (state) => ({ ...state }),
        blankLine: (state) => tokenize(state, ''),
        token(stream, state) {
            if (stream.sol()) tokenize(state, stream.string);
            const token = state.tokens.find((t) => t.endIndex > stream.pos);
            // The grammar's last token ends behind the line, on the line end it adds.
            stream.pos = Math.min(token?.endIndex ?? Infinity, stream.string.length);
            return token ? tagOf(token.scopes) : null;
        },
    });
}

// Where line number n starts, n taken into the document's lines: a message can name a line that
// an edit since has removed.
const lineStart = (doc, n) => doc.line(Math.max(1, Math.min(n, doc.lines))).from;

const setErrorLines = StateEffect.define();

const errorLineMarker = new (class extends GutterMarker {
    elementClass = 'error';
})();
const errorLineDecoration = Decoration.line({ class: 'cm-error-line' });

// The marked lines, moved along with edits until the next run marks them anew.
const errorLines = StateField.define({
    create: () => ({ gutter: RangeSet.empty, lines: Decoration.none }),
    update(marks, transaction) {
        for (const effect of transaction.effects) {
            if (!effect.is(setErrorLines)) continue;
            const starts = effect.value.map((n) => lineStart(transaction.state.doc, n));
            return {
                gutter: RangeSet.of(starts.map((at) => errorLineMarker.range(at)), true),
                lines: Decoration.set(starts.map((at) => errorLineDecoration.range(at)), true),
            };
        }
        if (!transaction.docChanged) return marks;
        return {
            gutter: marks.gutter.map(transaction.changes),
            lines: marks.lines.map(transaction.changes),
        };
    },
    provide: (field) => [
        gutterLineClass.from(field, (marks) => marks.gutter),
        EditorView.decorations.from(field, (marks) => marks.lines),
    ],
});

// A byte that is no UTF-8 is shown as its value.
function renderSpecialCharacter(code, description, placeholder) {
    const element = document.createElement('span');
    element.className = 'cm-specialChar';
    const isByte = code >= 0xdc80 && code <= 0xdcff;
    element.textContent = isByte ? (code - 0xdc00).toString(16).toUpperCase() : placeholder;
    element.title = isByte ? `byte 0x${element.textContent}, no UTF-8` : description;
    return element;
}

/** Makes the editor in parent; onChange is called after every edit. */
export function createEditor({ parent, grammar, onChange }) {
    return new EditorView({
        parent,
        state: EditorState.create({
            extensions: [
                // Only LF ends a line, as in the assembler: a CR stays in its line, shown.
                EditorState.lineSeparator.of('\n'),
                lineNumbers(),
                highlightActiveLineGutter(),
                highlightSpecialChars({
                    addSpecialChars: kByteCharacter,
                    render: renderSpecialCharacter,
                }),
                history(),
                drawSelection(),
                keymap.of([...defaultKeymap, ...historyKeymap]),
                textMateLanguage(grammar),
                syntaxHighlighting(kHighlightStyle),
                errorLines,
                EditorView.contentAttributes.of({ 'aria-label': 'Source' }),
                EditorView.updateListener.of((update) => update.docChanged && onChange()),
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

/** Marks the lines with the given numbers (from 1). */
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
