'use strict';
// Printing the cards and sharing the link: the two actions that leave the
// page. `tell` shows a message in the view on screen.

// The cards print from a page of their own, written by this one, so that
// printing works from the single file on disk as from the site.
function printCards(html, tell) {
  const page = window.open('', '_blank');
  if (!page) {
    tell('Webbläsaren lät inte sidan öppna korten; tillåt popup-fönster för sidan.');
    return;
  }
  page.document.open();
  page.document.write(html);
  page.document.close();
  page.focus();
  page.print();
}

// The link to what is on screen: offered to the phone's share sheet, or
// copied. From disk it is a link to the same state of this very file.
async function shareLink(tell) {
  const url = location.href;
  const fromDisk = location.protocol === 'file:';
  if (navigator.share && !fromDisk) {
    try {
      await navigator.share({title: document.title, url});
    } catch (error) {
      if (error.name !== 'AbortError') tell(`Länken kunde inte delas: ${url}`);
    }
    return;
  }
  try {
    await navigator.clipboard.writeText(url);
    tell(fromDisk
      ? 'Länken är kopierad. Den fungerar bara där filen delartal.html finns.'
      : 'Länken är kopierad.');
  } catch {
    tell(`Länken kunde inte kopieras: ${url}`);
  }
}
