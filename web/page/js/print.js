// File > Print: the settings report as the desktop prints it, through the
// browser's print dialog.  The core gives the lines and each cell's place in
// report units (a 60th of the printable width less 900 twips); the print
// styles make a line a 42nd of the page's height, as the desktop does, and
// hide everything else.

export class ReportPrinter {
  constructor({m, doc, grid}) {
    this.m = m;
    this.doc = doc;
    this.grid = grid;
    this.element = document.getElementById('report');
  }

  render() {
    const page = document.createElement('div');
    page.className = 'report-page';
    for (const line of this.m.reportLines(this.doc.form)) {
      const row = document.createElement('div');
      row.className = `report-line ${line.kind}`;
      for (const cell of line.cells) {
        const span = document.createElement('span');
        span.className = 'report-cell';
        span.textContent = cell.text;
        // x units from the left; a title's x is its lead before the middle.
        span.style.left = line.kind === 'title' ? `calc(50% - var(--unit-w) * ${-cell.x})`
                                                : `calc(var(--unit-w) * ${cell.x})`;
        row.append(span);
      }
      page.append(row);
    }
    this.element.replaceChildren(page);
  }

  print() {
    this.grid.commit();
    this.render();
    window.print();
  }
}
