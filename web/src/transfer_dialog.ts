import { byId } from './dom';
import type { TransferHost } from './engine';
import { PacedUpdates } from './paced_updates';
import { ask } from './questions';

// The progress of one Read or Write: a modal dialog with the bar, the
// percentage, what the engine is doing, and Cancel; the engine's questions
// (retry, software version) come up over it.
export class TransferDialog implements TransferHost {
  private readonly dialog = byId<HTMLDialogElement>('transfer-dialog');
  private readonly bar = byId<HTMLProgressElement>('transfer-progress');
  private readonly percent = byId<HTMLOutputElement>('transfer-percent');
  private readonly statusText = byId('transfer-status');
  private controller = new AbortController();
  private readonly shown = new PacedUpdates<{ percent: number; status: string }>((now) => this.draw(now), 100);
  private latest = { percent: 0, status: '' };

  // retryAdvice: what to do about a radio that does not answer, under the retry prompt.
  constructor(private readonly retryAdvice: () => string = () => '') {
    byId('transfer-cancel').addEventListener('click', () => this.cancel());
    this.dialog.addEventListener('cancel', (event) => {
      event.preventDefault(); // Escape cancels the transfer, which closes the dialog when it has stopped
      this.cancel();
    });
  }

  // Shows the dialog for a new transfer; its signal aborts on Cancel.
  open(title: string): AbortSignal {
    this.controller = new AbortController();
    byId('transfer-title').textContent = title;
    byId<HTMLButtonElement>('transfer-cancel').disabled = false;
    this.latest = { percent: 0, status: '' };
    this.draw(this.latest);
    this.dialog.showModal();
    return this.controller.signal;
  }

  close(): void {
    this.shown.flush();
    this.dialog.close();
  }

  progress(percent: number): void {
    this.latest = { ...this.latest, percent };
    this.shown.set(this.latest);
  }

  status(status: string): void {
    this.latest = { ...this.latest, status };
    this.shown.set(this.latest);
  }

  askRetry(message: string): Promise<boolean> {
    this.shown.flush();
    return ask({ title: 'Prompt', text: message, detail: this.retryAdvice() || undefined, yes: 'Retry', no: 'Cancel' });
  }

  askVersion(message: string): Promise<boolean> {
    this.shown.flush();
    return ask({ title: 'Prompt', text: message, yes: 'Continue', no: 'Cancel' });
  }

  private cancel(): void {
    byId<HTMLButtonElement>('transfer-cancel').disabled = true;
    this.status('Cancelling…');
    this.shown.flush();
    this.controller.abort();
  }

  private draw({ percent, status }: { percent: number; status: string }): void {
    this.bar.value = percent;
    this.percent.value = `${percent}%`;
    this.statusText.textContent = status;
  }
}
