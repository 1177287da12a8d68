// The settings panel: Type and Field (fixed for this radio), TOT, Warning,
// Power (shown only), Squelch Level, Scan Switch and Moni, each a pick list
// with the core's items; a choice is a step of the undo history, named by
// the box's label.

const keys = ['type', 'field', 'tot', 'warning', 'power', 'squelch', 'scan_switch', 'moni'];

export class SettingsPanel {
  constructor({m, texts, lists, doc}) {
    this.m = m;
    this.texts = texts;
    this.lists = lists;
    this.doc = doc;
  }

  build() {
    document.querySelector('#type-setting legend').textContent = this.texts.form.typeSetting;
    document.querySelector('#function-setting legend').textContent = this.texts.form.functionSetting;
    for (const key of keys) {
      const control = document.getElementById(`box-${key}`);
      document.querySelector(`label[for="box-${key}"]`).textContent = this.texts.form.labels[key];
      const setting = this.lists.settings[key];
      if (control.tagName === 'INPUT') {
        control.value = setting.items[0];
        continue;
      }
      for (const item of setting.items) {
        const option = document.createElement('option');
        option.textContent = item;
        option.value = item;
        control.append(option);
      }
      if (!setting.editable) continue;
      control.addEventListener('change', () => {
        const step = this.m.setSetting(this.doc.form, key, control.value);
        if (!this.doc.push(step)) this.render();
      });
    }
  }

  render() {
    for (const key of keys) {
      const control = document.getElementById(`box-${key}`);
      if (control.tagName !== 'SELECT') continue;
      const text = this.doc.form.settings[key];
      const index = this.lists.settings[key].items.indexOf(text);
      if (control.selectedIndex !== index) control.selectedIndex = index;
    }
  }

  setLocked(locked) {
    for (const key of keys) {
      const control = document.getElementById(`box-${key}`);
      if (control.tagName === 'SELECT' && this.lists.settings[key].editable) control.disabled = locked;
    }
  }
}
