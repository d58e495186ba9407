// Every completed read kept in the browser's IndexedDB, so that what was in
// a radio is never lost: nothing here is ever deleted by the page.

export interface Backup {
  id: number;
  time: number; // milliseconds since the epoch, when the read completed
  model: string;
  bytes: Uint8Array;
}

const kDatabase = 'hmprog';
const kStore = 'backups';

function openDatabase(): Promise<IDBDatabase> {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(kDatabase, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(kStore, { keyPath: 'id', autoIncrement: true });
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

function settle<T>(request: IDBRequest<T>): Promise<T> {
  return new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

export async function keepBackup(model: string, bytes: Uint8Array, time = Date.now()): Promise<void> {
  const db = await openDatabase();
  try {
    await settle(db.transaction(kStore, 'readwrite').objectStore(kStore).add({ time, model, bytes: bytes.slice() }));
  } finally {
    db.close();
  }
}

// The backups, newest first.
export async function listBackups(): Promise<Backup[]> {
  const db = await openDatabase();
  try {
    const all = (await settle(db.transaction(kStore).objectStore(kStore).getAll())) as Backup[];
    return all.sort((a, b) => b.time - a.time || b.id - a.id);
  } finally {
    db.close();
  }
}

const pad = (n: number): string => String(n).padStart(2, '0');

export function backupDate(time: number): string {
  const d = new Date(time);
  return `${d.getFullYear()}-${pad(d.getMonth() + 1)}-${pad(d.getDate())}`;
}

export function backupTime(time: number): string {
  const d = new Date(time);
  return `${pad(d.getHours())}:${pad(d.getMinutes())}:${pad(d.getSeconds())}`;
}

// The name the desktop program gives the same backup: 2026-12-07_14-03-22_HM-615V.sin
export function backupFileName(backup: Backup): string {
  return `${backupDate(backup.time)}_${backupTime(backup.time).replaceAll(':', '-')}_${backup.model}.sin`;
}
