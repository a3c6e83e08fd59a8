// Morvane in the browser, the start: draws the main window at once from its description,
// then reads the module, which opens it.
'use strict';

(async () => {
    showLanguage();
    // The windows' typeface, which the style names first.
    document.documentElement.style.setProperty('--typeface', `"${morvaneDescriptions.typeface}"`);
    const main = pageLanguage.windows.findIndex((description) => description.main);
    makeWindow(main, -1);
    openWindows[main].early = true;
    openWindows[main].element.hidden = false;
    centre(openWindows[main]);
    document.addEventListener('keydown', onKey);
    document.addEventListener('beforeinput', onEarlyInput);
    document.getElementById('again').addEventListener('click', () => location.reload());
    document.getElementById('share').addEventListener('click', () => whenReady(() => moduleExports.share()));
    addEventListener('beforeprint', () => moduleExports?.drawSheet());

    await new Promise((drawn) => requestAnimationFrame(() => setTimeout(drawn))); // the window is drawn
    await startModule();
    if ('serviceWorker' in navigator && location.protocol !== 'file:')
        navigator.serviceWorker.register('sw.js');
})();
