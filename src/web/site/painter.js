// Morvane in the browser, the painter: a drawing the module makes (drawing.h) painted
// shape by shape as SVG into a control's picture or the page's printed sheet, each ink a
// colour of the palette the descriptions give (the screen's; paper's for the sheet), its
// texts in the page's faces for its language.
'use strict';

let canvas; // the picture being painted

function shape(tag, attributes) {
    const made = document.createElementNS('http://www.w3.org/2000/svg', tag);
    for (const [name, value] of Object.entries(attributes))
        made.setAttribute(name, value);
    canvas.append(made);
    return made;
}

const ink = (role) => morvaneDescriptions[canvas.closest('#sheet') ? 'paper' : 'palette'][role];
const kAnchors = ['start', 'middle', 'end'];

// What the module asks of the page to paint (bridge.js): points and texts in its memory.
const painterImports = {
    beginDrawing: (index, control, width, height) => {
        canvas = (index < 0 ? document.getElementById('sheet') : openWindows[index].controls[control]).querySelector('svg');
        canvas.replaceChildren();
        canvas.setAttribute('viewBox', `0 0 ${width} ${height}`);
        shape('rect', { width, height, fill: ink(1) });
    },
    polygon: (points, count, fill, outline) => {
        const xy = new Float64Array(moduleExports.memory.buffer, points, count * 2);
        const pairs = [];
        for (let at = 0; at < xy.length; at += 2)
            pairs.push(`${xy[at].toFixed(2)},${xy[at + 1].toFixed(2)}`);
        shape('polygon', { points: pairs.join(' '), fill: ink(fill), stroke: ink(outline) });
    },
    circle: (x, y, radius, fill, outline) => shape('circle', { cx: x, cy: y, r: radius, fill: ink(fill), stroke: ink(outline) }),
    line: (x1, y1, x2, y2, role) => shape('line', { x1, y1, x2, y2, stroke: ink(role) }),
    drawText: (x, y, size, anchor, bold, role, text, length) => {
        shape('text', { x, y, 'font-size': size, 'text-anchor': kAnchors[anchor], 'dominant-baseline': 'central',
            'font-weight': bold ? 'bold' : 'normal', fill: ink(role) }).textContent = fromModule(text, length);
    },
};
