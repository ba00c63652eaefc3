// The page's small controls: buttons, downloads, the tabs of the files and the question asked
// before a program replaces the student's own.

export const element = (id) => document.getElementById(id);

export function button(label, onClick) {
    const made = Object.assign(document.createElement('button'), { type: 'button' });
    made.textContent = label;
    made.addEventListener('click', onClick);
    return made;
}

export function download(name, bytes) {
    const url = URL.createObjectURL(new Blob([bytes]));
    const link = Object.assign(document.createElement('a'), { href: url, download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
}

/** Asks question in a modal dialog whose first answer is yes; resolves true for that one. */
export function ask(question, yes) {
    const dialog = element('ask');
    dialog.querySelector('p').textContent = question;
    dialog.querySelector('[value=yes]').textContent = yes;
    dialog.returnValue = '';
    dialog.showModal();
    return new Promise((resolve) => {
        dialog.addEventListener('close', () => resolve(dialog.returnValue === 'yes'), {
            once: true,
        });
    });
}

/** Makes the tabs work as tabs do: a click or an arrow key (Home, End) shows a tab's panel, and
 *  only the shown tab is a stop of the Tab key. onShow gets the panel shown. Returns a function
 *  that shows the panel with the given id. */
export function setUpTabs(onShow) {
    const tabs = [...document.querySelectorAll('[role=tab]')];
    const show = (id) => {
        for (const tab of tabs) {
            const selected = tab.getAttribute('aria-controls') === id;
            tab.setAttribute('aria-selected', String(selected));
            tab.tabIndex = selected ? 0 : -1;
            element(tab.getAttribute('aria-controls')).hidden = !selected;
        }
        onShow(element(id));
    };
    tabs.forEach((tab, index) => {
        tab.addEventListener('click', () => show(tab.getAttribute('aria-controls')));
        tab.addEventListener('keydown', (event) => {
            const to = { ArrowRight: index + 1, ArrowLeft: index - 1, Home: 0, End: -1 }[event.key];
            if (to === undefined) return;
            const next = tabs.at(to % tabs.length);
            show(next.getAttribute('aria-controls'));
            next.focus();
            event.preventDefault();
        });
    });
    return show;
}
