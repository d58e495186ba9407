// Files to and from the computer: the File System Access API where the
// browser has it (Save writes back where the user chose), else a download.

export interface SaveTarget {
  name: string;
  handle?: FileSystemFileHandle;
}

export async function readChosenFile(input: HTMLInputElement): Promise<{ name: string; bytes: Uint8Array } | null> {
  const file = input.files?.[0];
  input.value = ''; // choosing the same file again is a new choice
  if (!file) return null;
  return { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) };
}

export function download(name: string, data: Uint8Array | string, type: string): void {
  const part = typeof data === 'string' ? data : new Uint8Array(data);
  const url = URL.createObjectURL(new Blob([part], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

// Saves the channel file; returns where it went, or null when the user
// cancelled the file chooser.
export async function saveChannelFile(bytes: Uint8Array, target: SaveTarget): Promise<SaveTarget | null> {
  if (!('showSaveFilePicker' in window)) {
    download(target.name, bytes, 'application/octet-stream');
    return target;
  }
  let handle = target.handle;
  if (!handle) {
    try {
      handle = await window.showSaveFilePicker({
        suggestedName: target.name,
        types: [{ description: 'Channel File', accept: { 'application/octet-stream': ['.sin'] } }],
      });
    } catch (error) {
      if (error instanceof DOMException && error.name === 'AbortError') return null;
      throw error;
    }
  }
  const writable = await handle.createWritable();
  await writable.write(new Uint8Array(bytes));
  await writable.close();
  return { name: handle.name, handle };
}
