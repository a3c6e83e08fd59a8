// Morvane in the browser, the start: draws the main window at once from its description,
// then reads the module, which opens it.
'use strict';

(async () => {
    // A served page can be installed and kept for offline use; from disk, a browser
    // would only refuse to read the manifest.
    if (location.protocol !== 'file:')
        Object.assign(element('link', '', document.head), { rel: 'manifest', href: 'manifest.webmanifest' });
    // The windows' typeface, or where it is missing the platform's sans serif.
    document.body.style.fontFamily = `"${morvaneDescriptions.typeface}", "Liberation Sans", Arial, Helvetica, sans-serif`;
    const main = morvaneDescriptions.windows.findIndex((description) => description.main);
    makeWindow(main, -1);
    openWindows[main].early = true;
    openWindows[main].element.hidden = false;
    centre(openWindows[main]);
    document.addEventListener('keydown', onKey);
    document.getElementById('again').addEventListener('click', () => location.reload());

    await new Promise((drawn) => requestAnimationFrame(() => setTimeout(drawn))); // the window is drawn
    await startModule();
    if ('serviceWorker' in navigator && location.protocol !== 'file:')
        navigator.serviceWorker.register('sw.js');
})();
