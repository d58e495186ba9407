import { ask, choose } from './questions';

export const kPreviewTitle = 'Write Preview';

export type ReadFirstAnswer = 'read' | 'write' | 'cancel';

// Preview Before Write with nothing to compare the form with: no read in
// this visit and no backup of the model. Rather than write unseen, the
// user may have the radio read first (kept as a backup, then previewed),
// write without a preview, or cancel, which has the focus.
export async function askReadFirst(model: string): Promise<ReadFirstAnswer> {
  const answers: ReadFirstAnswer[] = ['read', 'write', 'cancel'];
  const index = await choose({
    title: kPreviewTitle,
    text: `Nothing to compare the write with: the radio has not been read here yet and there is no backup of a ${model}. `
      + 'Read the radio first to keep what it holds as a backup and see what the write changes?',
    buttons: ['Read First', 'Write Without Preview', 'Cancel'],
    safe: 2,
  });
  return answers[index];
}

// What the write changes in the radio, one change a line ("" for none),
// shown before it starts: true writes.
export function askWritePreview(changes: string): Promise<boolean> {
  return ask({
    title: kPreviewTitle,
    text: changes === '' ? 'The radio already holds what the form shows: the write changes nothing.' : 'What the write changes in the radio:',
    detail: changes || undefined,
    yes: 'Write',
    no: 'Cancel',
  });
}
