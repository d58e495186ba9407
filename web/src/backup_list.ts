import { type Backup, backupDate, backupFileName, backupTime, listBackups } from './backups';
import { byId } from './dom';
import { download } from './file_io';

// The list of kept reads, newest first, each with Open and Download.
export async function showBackups(open: (backup: Backup) => void): Promise<void> {
  const backups = await listBackups();
  const table = byId<HTMLTableElement>('backup-list');
  byId('no-backups').hidden = backups.length > 0;
  table.hidden = backups.length === 0;
  table.tBodies[0].replaceChildren(...backups.map((backup) => row(backup, open)));
}

function row(backup: Backup, open: (backup: Backup) => void): HTMLTableRowElement {
  const tr = document.createElement('tr');
  const date = backupDate(backup.time);
  const time = backupTime(backup.time);
  for (const text of [date, time, backup.model]) tr.insertCell().textContent = text;
  const what = `the backup of ${date} ${time} ${backup.model}`;
  const actions = tr.insertCell();
  actions.append(
    button('Open', `Open ${what}`, () => open(backup)),
    button('Download', `Download ${what}`, () => download(backupFileName(backup), backup.bytes, 'application/octet-stream')),
  );
  return tr;
}

function button(text: string, label: string, action: () => void): HTMLButtonElement {
  const b = document.createElement('button');
  b.type = 'button';
  b.textContent = text;
  b.setAttribute('aria-label', label);
  b.addEventListener('click', action);
  return b;
}
