// A file the page hands the user: the browser's download of `blob` under `name`.
export function download(document, blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  link.click();
  // Released once the browser has surely taken the download.
  setTimeout(() => URL.revokeObjectURL(link.href), 30e3);
}
