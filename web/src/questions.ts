import { byId } from './dom';

export interface Question {
  title: string;
  text: string;
  detail?: string; // preformatted, for a preview or a report
  yes: string;
  no?: string; // absent: a message with one button
  safe?: 'no'; // the second button is the safe choice: it has the focus, Enter takes it
}

// One modal question at a time, in the page's own accessible dialog: Enter
// takes the focused button (the first, or the second when it is the safe
// choice), Escape the second (or the only one).
export function ask(question: Question): Promise<boolean> {
  const dialog = byId<HTMLDialogElement>('question-dialog');
  const yes = byId<HTMLButtonElement>('question-yes');
  const no = byId<HTMLButtonElement>('question-no');
  const detail = byId('question-detail');
  byId('question-title').textContent = question.title;
  byId('question-text').textContent = question.text;
  detail.textContent = question.detail ?? '';
  detail.hidden = !question.detail;
  yes.textContent = question.yes;
  no.textContent = question.no ?? '';
  no.hidden = question.no === undefined;
  return new Promise((resolve) => {
    const finish = (answer: boolean): void => {
      yes.removeEventListener('click', onYes);
      no.removeEventListener('click', onNo);
      dialog.removeEventListener('cancel', onCancel);
      dialog.close();
      resolve(answer);
    };
    const onYes = (): void => finish(true);
    const onNo = (): void => finish(false);
    const onCancel = (event: Event): void => {
      event.preventDefault();
      finish(question.no === undefined);
    };
    yes.addEventListener('click', onYes);
    no.addEventListener('click', onNo);
    dialog.addEventListener('cancel', onCancel);
    dialog.showModal();
    (question.safe === 'no' ? no : yes).focus();
  });
}

export async function tell(title: string, text: string, detail?: string): Promise<void> {
  await ask({ title, text, detail, yes: 'OK' });
}
