// The toolbar's pictures, drawn as the desktop's are (18 x 18 units): a page,
// a folder, a disk, the radio with its arrow in or out, a printer, and the
// about mark.  Built as SVG elements, so no file is fetched and no style is
// inlined.

const svgNs = 'http://www.w3.org/2000/svg';
const ink = '#282828';

// Outlines in ink carry its class, so dark colours can lighten them where
// they would vanish into the window.
function shape(name, attributes) {
  const element = document.createElementNS(svgNs, name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
  if (attributes.stroke === ink) element.classList.add('ink');
  return element;
}

const polygon = (points, fill) => shape('polygon', {points, fill, stroke: ink, 'stroke-width': 1});
const rect = (x, y, width, height, fill, extra = {}) =>
  shape('rect', {x, y, width, height, fill, stroke: ink, 'stroke-width': 1, ...extra});

function radio() {
  return [
    rect(3.8, 1.65, 1.26, 4.4, '#3c3c46', {rx: 1}),
    rect(2.5, 5.5, 7, 11, '#3c3c46', {rx: 1.05}),
    shape('rect', {x: 3.9, y: 6.8, width: 4.2, height: 2.4, fill: '#96d28c'}),
    ...[0, 1, 2].map((i) => shape('line', {x1: 4.25, x2: 7.75, y1: 11 + 1.43 * i, y2: 11 + 1.43 * i,
                                            stroke: '#c8c8c8', 'stroke-width': 0.6})),
  ];
}

const drawings = {
  new: () => [polygon('3.5,1.5 11.5,1.5 15.5,5.5 15.5,16.5 3.5,16.5', '#ffffff'),
              shape('polyline', {points: '11.5,1.5 11.5,5.5 15.5,5.5', fill: 'none', stroke: ink})],
  open: () => [polygon('1.5,4.5 6.5,4.5 8,6 14.5,6 14.5,15.5 1.5,15.5', '#e6be50'),
               polygon('3.5,8.5 17,8.5 14.5,15.5 1.5,15.5', '#fad76e')],
  save: () => [rect(2.5, 2.5, 13, 13, '#3c5aa0'), rect(5.5, 2.5, 7, 5, '#ffffff'), rect(4.5, 10.5, 9, 5, '#c8c8c8')],
  read: () => [...radio(), shape('polygon', {points: '12,8 16,8 16,12 17.5,12 14,16.5 10.5,12 12,12', fill: '#1e8228'})],
  write: () => [...radio(), shape('polygon', {points: '12,16.5 16,16.5 16,12.5 17.5,12.5 14,8 10.5,12.5 12,12.5', fill: '#be3228'})],
  print: () => [rect(5.5, 1.5, 7, 6, '#ffffff'), rect(1.5, 6.5, 15, 7, '#b4b4b9', {rx: 1.5}),
                rect(4.5, 11.5, 9, 5, '#ffffff'), shape('line', {x1: 6, y1: 13.5, x2: 12, y2: 13.5, stroke: ink})],
  about: () => [shape('circle', {cx: 9, cy: 9, r: 7.5, fill: '#3c6ec8', stroke: ink}),
                shape('path', {d: 'M6.6 7.2a2.4 2.4 0 1 1 3.4 2.2c-.7.3-1 .8-1 1.5v.6', fill: 'none', stroke: '#ffffff',
                               'stroke-width': 1.6, 'stroke-linecap': 'round'}),
                shape('circle', {cx: 9, cy: 13.4, r: 0.95, fill: '#ffffff'})],
};

export function toolIcon(key) {
  const svg = shape('svg', {viewBox: '0 0 18 18', width: 18, height: 18, 'aria-hidden': 'true', focusable: 'false'});
  for (const part of (drawings[key] || (() => []))()) svg.append(part);
  return svg;
}
