// A file handed to the reader as a download: the report, the CSV, the journal file.
const pad2 = (n) => String(n).padStart(2, "0");

// The day of `d` as file names carry it (2026-03-14).
export function fileDay(d) {
  return `${d.getFullYear()}-${pad2(d.getMonth() + 1)}-${pad2(d.getDate())}`;
}

export const today = () => fileDay(new Date());

export function download(text, type, fileName) {
  const url = URL.createObjectURL(new Blob([text], { type }));
  const link = document.createElement("a");
  link.href = url;
  link.download = fileName;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}
