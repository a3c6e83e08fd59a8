// Morvane in the browser, keeping a reading: the sheet the module draws printed alone, from
// its Print button or the browser's own Print; the reading copied; and shared through the
// system's share sheet where the browser has one, with the compass as a picture where it
// can take files, or else copied.
'use strict';

const keepingImports = {
    print: () => window.print(),
    copy: (text, length) => navigator.clipboard.writeText(fromModule(text, length)),
    share: (text, length) => share(fromModule(text, length)),
    today: (buffer, capacity) => {
        const now = new Date();
        const date = [now.getFullYear(), now.getMonth() + 1, now.getDate()].map((part) => String(part).padStart(2, '0'));
        return toModule(date.join('-'), buffer, capacity);
    },
};

// The compass as it is drawn, as a PNG file, or none where there is no compass open.
async function compassPicture() {
    const svg = document.querySelector('.canvas svg');
    if (!svg)
        return null;
    const box = svg.viewBox.baseVal;
    const source = URL.createObjectURL(new Blob([new XMLSerializer().serializeToString(svg)], { type: 'image/svg+xml' }));
    const picture = Object.assign(new Image(box.width * 2, box.height * 2), { src: source });
    await picture.decode();
    const canvas = Object.assign(document.createElement('canvas'), { width: picture.width, height: picture.height });
    canvas.getContext('2d').drawImage(picture, 0, 0, picture.width, picture.height);
    URL.revokeObjectURL(source);
    const png = await new Promise((made) => canvas.toBlob(made, 'image/png'));
    return new File([png], 'compass.png', { type: 'image/png' });
}

async function share(text) {
    if (!navigator.share)
        return navigator.clipboard.writeText(text);
    const picture = await compassPicture();
    const files = picture && navigator.canShare?.({ files: [picture] }) ? [picture] : undefined;
    await navigator.share({ title: pageLanguage.texts.title, text, files }).catch(() => {}); // the person may cancel
}
