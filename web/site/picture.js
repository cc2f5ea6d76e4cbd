'use strict';
// The main window's picture: one of the library's (texts.js), drawn afresh
// at every load, in the rendering for the screen's pixel density (the
// browser fetches only the one it shows).
{
  // name.png drawn at 1x, name@2x.png and name@3x.png (tools/make-pictures.sh).
  const pictureSet = (name) => [1, 2, 3]
    .map((n) => 'pictures/' + (n > 1 ? name.replace(/[.]png$/, '@' + n + 'x.png') : name) + ' ' + n + 'x')
    .join(', ');
  const pictures = window.mrvTexts.pictures;
  const picture = Math.floor(Math.random() * pictures.length);
  const imgMain = document.getElementById('imgMainPicture');
  imgMain.dataset.index = String(picture);
  imgMain.srcset = pictureSet(pictures[picture]);
  imgMain.src = 'pictures/' + pictures[picture];
}
