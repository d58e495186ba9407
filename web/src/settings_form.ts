import type { ComboState } from './engine';

export interface SettingsHost {
  selectCombo(combo: number, index: number): void;
  setPttIdCode(text: string): void;
}

const kPttIdCodeLength = 8;

// The "Setting" group: one labelled list per setting of the radio, in the
// order the form has them, and the PTT ID Code.
export class SettingsForm {
  private selects: HTMLSelectElement[] = [];
  private readonly pttIdCode = document.createElement('input');
  private shownPttIdCode = '';

  constructor(
    private readonly fields: HTMLElement,
    private readonly host: SettingsHost,
  ) {}

  render(combos: ComboState[], pttIdCode: string): void {
    if (this.selects.length !== combos.length) this.build(combos);
    combos.forEach((combo, i) => {
      const select = this.selects[i];
      const items = Array.from(select.options, (o) => o.text);
      if (items.join('\n') !== combo.items.join('\n')) {
        select.replaceChildren(...combo.items.map((item) => new Option(item)));
      }
      select.selectedIndex = combo.index;
      select.disabled = !combo.enabled;
    });
    this.shownPttIdCode = pttIdCode;
    this.pttIdCode.value = pttIdCode;
  }

  private build(combos: ComboState[]): void {
    this.fields.replaceChildren();
    this.selects = combos.map((combo, i) => {
      const select = document.createElement('select');
      select.id = `setting-${i}`;
      select.addEventListener('change', () => this.host.selectCombo(i, select.selectedIndex));
      this.fields.append(this.field(combo.label, select));
      return select;
    });
    const code = this.pttIdCode;
    code.id = 'ptt-id-code';
    code.maxLength = kPttIdCodeLength;
    code.autocomplete = 'off';
    code.spellcheck = false;
    code.autocapitalize = 'characters';
    // Enter stores the code at once; the change event that leaving the
    // field fires afterwards then finds nothing new to store.
    const store = (): void => {
      if (code.value !== this.shownPttIdCode) this.host.setPttIdCode(code.value);
    };
    code.addEventListener('change', store);
    code.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        store();
      }
    });
    this.fields.append(this.field('PTT ID Code', code));
  }

  private field(label: string, control: HTMLElement): HTMLElement {
    const wrapper = document.createElement('div');
    wrapper.className = 'field';
    const text = document.createElement('label');
    text.htmlFor = control.id;
    text.textContent = label;
    wrapper.append(text, control);
    return wrapper;
  }
}
