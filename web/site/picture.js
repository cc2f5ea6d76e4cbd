'use strict';
// The main window's picture: one of the library's (texts.js), drawn afresh
// at every load.
{
  const pictures = window.mrvTexts.pictures;
  const picture = Math.floor(Math.random() * pictures.length);
  const imgMain = document.getElementById('imgMainPicture');
  imgMain.dataset.index = String(picture);
  imgMain.src = 'pictures/' + pictures[picture];
}
