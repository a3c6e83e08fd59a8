// Morvane in the browser, the language: the page speaks the language ?lang= names, or else
// the first of the browser's languages that the program speaks, each looked up as RFC 4647
// does ("zh-Hant-TW", then "zh-Hant", then "zh") among the tags the program names, or
// else English. Its texts and the windows' descriptions come in that language from
// descriptions.js.
'use strict';

const pageLanguage = (() => {
    const { languages, tags } = morvaneDescriptions;
    const named = (tag) => languages.find((language) => language.tag === tag);
    const asked = named(new URLSearchParams(location.search).get('lang'));
    if (asked)
        return asked;
    for (const tag of navigator.languages) {
        for (let range = tag.toLowerCase(); range; range = range.slice(0, Math.max(range.lastIndexOf('-'), 0))) {
            if (tags[range])
                return named(tags[range]);
        }
    }
    return languages[0];
})();

// The page in its language: its own texts and manifest, and beside the windows a switch
// that opens the page anew in another language; nothing is kept.
function showLanguage() {
    const { tag, texts } = pageLanguage;
    document.documentElement.lang = tag;
    document.title = texts.title;
    document.querySelector('meta[name="description"]').content = texts.description;
    document.querySelector('#end p').textContent = texts.ended;
    document.getElementById('again').textContent = texts.again;
    Object.assign(document.getElementById('share'), { textContent: texts.share, hidden: false }); // it needs the script
    document.querySelector('#sheet svg').setAttribute('aria-label', texts.sheet);
    document.querySelector('#sheet h1').textContent = texts.title;
    const choice = document.getElementById('languages');
    choice.setAttribute('aria-label', texts.languages);
    for (const language of morvaneDescriptions.languages) {
        const link = element('a', '', choice);
        Object.assign(link, { href: `?lang=${language.tag}`, lang: language.tag, hreflang: language.tag });
        link.textContent = language.own;
        if (language === pageLanguage)
            link.setAttribute('aria-current', 'page');
    }
    // A served page can be installed and kept for offline use; from disk, a browser
    // would only refuse to read the manifest.
    if (location.protocol !== 'file:')
        Object.assign(element('link', '', document.head), { rel: 'manifest', href: `manifest.${tag}.webmanifest` });
}
