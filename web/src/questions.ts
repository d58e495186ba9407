import { byId } from './dom';

export interface Question {
  title: string;
  text: string;
  detail?: string; // preformatted, for a preview or a report
  yes: string;
  no?: string; // absent: a message with one button
}

export interface Choices {
  title: string;
  text: string;
  detail?: string;
  buttons: string[]; // in the order shown
  safe: number; // the button that does nothing the user did not look at
}

// One modal question at a time, in the page's own accessible dialog. The
// safe button has the focus at first, so that a reflexive Enter takes it,
// and Escape answers with it too. Resolves with the index of the button.
export function choose(choices: Choices): Promise<number> {
  const dialog = byId<HTMLDialogElement>('question-dialog');
  const detail = byId('question-detail');
  byId('question-title').textContent = choices.title;
  byId('question-text').textContent = choices.text;
  detail.textContent = choices.detail ?? '';
  detail.hidden = !choices.detail;
  return new Promise((resolve) => {
    const finish = (index: number): void => {
      dialog.removeEventListener('cancel', onCancel);
      dialog.close();
      resolve(index);
    };
    const onCancel = (event: Event): void => {
      event.preventDefault();
      finish(choices.safe);
    };
    const buttons = choices.buttons.map((label, index) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = label;
      button.addEventListener('click', () => finish(index));
      return button;
    });
    byId('question-buttons').replaceChildren(...buttons);
    dialog.addEventListener('cancel', onCancel);
    dialog.showModal();
    buttons[choices.safe].focus();
  });
}

// Every question with two answers in the page is "do it" or "Cancel":
// Cancel is the safe one.
export async function ask(question: Question): Promise<boolean> {
  const buttons = question.no === undefined ? [question.yes] : [question.yes, question.no];
  const { title, text, detail } = question;
  return (await choose({ title, text, detail, buttons, safe: buttons.length - 1 })) === 0;
}

export async function tell(title: string, text: string, detail?: string): Promise<void> {
  await ask({ title, text, detail, yes: 'OK' });
}
