// The packaged entry point under Node.js, with a stand-in for VS Code's API that answers what the
// language client asks with nothing: with tevlin-lsp on PATH, the diagnostics of an open source
// come from the server; without it, one error message names the setting, and setting it to the
// program starts the server.
//
//   node test/client.js TEVLIN_LSP
'use strict';
const assert = require('assert');
const { execFileSync } = require('child_process');
const fs = require('fs');
const Module = require('module');
const path = require('path');

const server = path.resolve(process.argv[2]);
const extensionDir = path.join(__dirname, '..');
const setting = 'tevlin.languageServer.path';

// Any member of any depth, callable and constructible, and no promise.
const anything = () => new Proxy(function nothing() {}, {
    get: (target, member) => (member === 'then' ? undefined : anything()),
    apply: () => anything(),
    construct: () => anything(),
});
const disposable = anything();
const withRest = (members) => new Proxy(members, {
    get: (target, member) => (member in target ? target[member] : anything()),
});

class EventEmitter {
    constructor() {
        this.listeners = [];
        this.event = (listener) => {
            this.listeners.push(listener);
            return { dispose: () => this.listeners.splice(this.listeners.indexOf(listener), 1) };
        };
    }

    fire(value) {
        this.listeners.forEach((listener) => listener(value));
    }

    dispose() {}
}

const settings = new Map();
const configurationChanged = new EventEmitter();
const errorMessages = [];
const published = new EventEmitter();
const uri = (text) => ({ toString: () => text });
const document = {
    uri: uri('file:///blink.asm'),
    languageId: 'tevlin',
    version: 1,
    getText: () => 'start:  in   r1, 0x20\n        brn  stat\n',
};

const vscode = withRest({
    version: '1.91.0',
    Disposable: Object.assign(function Disposable(dispose) {
        this.dispose = dispose;
    }, { from: () => disposable }),
    Uri: { parse: uri, file: uri },
    Range: function Range(startLine, startCharacter, endLine, endCharacter) {
        this.start = { line: startLine, character: startCharacter };
        this.end = { line: endLine, character: endCharacter };
    },
    Diagnostic: function Diagnostic(range, message, severity) {
        Object.assign(this, { range, message, severity });
    },
    DiagnosticSeverity: { Error: 0, Warning: 1, Information: 2, Hint: 3 },
    CancellationTokenSource: function CancellationTokenSource() {
        this.token = withRest({ isCancellationRequested: false });
    },
    workspace: withRest({
        getConfiguration: () => withRest({
            get: (name, otherwise) => settings.get(name) ?? otherwise,
        }),
        onDidChangeConfiguration: configurationChanged.event,
        textDocuments: [document],
    }),
    window: withRest({
        showErrorMessage: (message) => {
            errorMessages.push(message);
            return Promise.resolve(undefined);
        },
    }),
    languages: withRest({
        match: (selector, candidate) => (candidate.languageId === 'tevlin' ? 10 : 0),
        createDiagnosticCollection: () => withRest({
            set: (target, diagnostics) => published.fire({ target: String(target), diagnostics }),
        }),
    }),
});
const load = Module._load;
Module._load = function loadWithVscode(request, ...rest) {
    return request === 'vscode' ? vscode : load.call(this, request, ...rest);
};

// The errors of the next diagnostics published for the document: line, column and text.
function nextErrors() {
    return new Promise((resolve) => {
        published.event(({ target, diagnostics }) => {
            if (target !== document.uri.toString()) return;
            resolve(diagnostics.filter((diagnostic) => diagnostic.severity === 0).map(
                ({ range, message }) => [range.start.line, range.start.character, message]));
        });
    });
}

const expectedErrors = [[1, 13, 'BRN label "STAT" has not been defined!']];

async function main() {
    execFileSync('npm', ['run', '--silent', 'bundle'], { cwd: extensionDir, stdio: 'pipe' });
    const manifest = JSON.parse(fs.readFileSync(path.join(extensionDir, 'package.json'), 'utf8'));
    const extension = require(path.resolve(extensionDir, manifest.main));

    // As VS Code runs an extension: activated, then deactivated and its subscriptions disposed.
    const context = { subscriptions: [] };
    const deactivate = async () => {
        await extension.deactivate();
        context.subscriptions.splice(0).forEach((subscription) => subscription.dispose());
    };

    process.env.PATH = path.dirname(server);
    let errors = nextErrors();
    await extension.activate(context);
    assert.deepStrictEqual(await errors, expectedErrors);
    assert.deepStrictEqual(errorMessages, []);
    await deactivate();

    // This folder holds no tevlin-lsp.
    process.env.PATH = __dirname;
    await extension.activate(context);
    assert.strictEqual(errorMessages.length, 1);
    assert.match(errorMessages[0], /tevlin-lsp.*ENOENT.*PATH.*tevlin\.languageServer\.path/);
    // Two changes in a row start one server: one left over would keep this process from ending.
    errors = nextErrors();
    settings.set(setting, server);
    configurationChanged.fire({ affectsConfiguration: (section) => section === setting });
    configurationChanged.fire({ affectsConfiguration: (section) => section === setting });
    assert.deepStrictEqual(await errors, expectedErrors);
    assert.strictEqual(errorMessages.length, 1);
    await deactivate();
}

// Should a wait never end, the process ends with nothing left to run: that is a failure too.
process.exitCode = 1;
main().then(() => {
    process.exitCode = 0;
    console.log('the extension started tevlin-lsp from PATH and from its setting');
}, (error) => console.error(error));
