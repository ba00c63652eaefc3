// The language server in the editor: tevlin-lsp in a worker of its own, with the editor as its
// client through @codemirror/lsp-client. Hovering shows what a token is; F12 or Ctrl+click goes
// to a name's definition, Shift+F12 lists its uses, F2 renames it (a refusal says the server's
// reason), and completion comes as a word is typed or with Ctrl+Space. The server's diagnostics
// mark the tokens of the messages that the page lists from tevlin's own run, with their notes.
import {
    LSPClient,
    LSPPlugin,
    findReferencesKeymap,
    hoverTooltips,
    jumpToDefinition,
    jumpToDefinitionKeymap,
    renameKeymap,
    serverCompletion,
} from '@codemirror/lsp-client';
import { Compartment } from '@codemirror/state';
import { EditorView, keymap } from '@codemirror/view';
import DOMPurify from 'dompurify';
import languageCode from 'tevlin-programs/language.worker';

import { diagnosticsExtension, showDiagnostics } from './diagnostics.js';
import { connect } from './rpc.js';

// The client's part of the editor, which the server joins once it is started.
const attachment = new Compartment();

/** The language server's place among the editor's extensions. */
export const languageExtension = [attachment.of([]), diagnosticsExtension];

// Ctrl+click (Cmd+click on a Mac) on a name goes to its definition.
const definitionOnClick = EditorView.domEventHandlers({
    mousedown(event, view) {
        if (!(event.ctrlKey || event.metaKey) || event.button !== 0) return false;
        const at = view.posAtCoords(event);
        if (at === null) return false;
        view.dispatch({ selection: { anchor: at } });
        return jumpToDefinition(view);
    },
});

// The one document that the server is given, whatever the file's name.
const kUri = 'file:///playground.asm';

/**
 * Starts the language server for the editor view. onStop is told when the server stops with an
 * error; it starts anew with the next change. Resolves to a function that hands the server the
 * changes of the editor's document not yet sent, which the page calls after each run of tevlin,
 * so that the two take no time from each other.
 */
export async function startLanguageServer(view, onStop) {
    const server = connect(languageCode);
    const handlers = new Set();
    let stopped = false;
    const client = new LSPClient({
        extensions: [
            serverCompletion(),
            hoverTooltips(),
            keymap.of([...jumpToDefinitionKeymap, ...findReferencesKeymap, ...renameKeymap]),
            definitionOnClick,
        ],
        // A hover quotes the source, whose text must not become the page's HTML.
        sanitizeHTML: (html) => DOMPurify.sanitize(html),
    });

    // The diagnostics of the document as the server last read it, unless it changed since.
    const diagnosticsArrived = (diagnostics) => {
        const plugin = LSPPlugin.get(view);
        if (plugin && client.workspace.getFile(kUri)?.version === diagnostics.version) {
            showDiagnostics(view, plugin.syncedDoc, plugin.unsyncedChanges, diagnostics);
            performance.mark('diagnostics');
        }
    };
    const transport = {
        send(message) {
            server('receive', message).then(
                ({ replies, diagnostics }) => {
                    diagnostics.forEach(diagnosticsArrived);
                    for (const reply of replies) for (const handler of handlers) handler(reply);
                },
                (error) => {
                    if (stopped) return;
                    stopped = true;
                    onStop(error);
                },
            );
        },
        subscribe: (handler) => handlers.add(handler),
        unsubscribe: (handler) => handlers.delete(handler),
    };

    await server.listening;
    client.connect(transport);
    view.dispatch({ effects: attachment.reconfigure(client.plugin(kUri, 'tevlin')) });
    return () => {
        if (stopped) {
            stopped = false;
            client.disconnect();
            client.connect(transport);
        }
        client.sync();
    };
}
