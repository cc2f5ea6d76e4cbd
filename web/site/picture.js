'use strict';
// The main window's picture: one of the seven, drawn afresh at every load.
{
  const picture = Math.floor(Math.random() * 7);
  const imgMain = document.getElementById('imgMainPicture');
  imgMain.dataset.index = String(picture);
  imgMain.src = 'pictures/library' + picture + '.png';
}
