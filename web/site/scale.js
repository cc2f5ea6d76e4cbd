'use strict';
// Narrower than the window: scale it down to the screen.
{
  const stage = document.getElementById('stage');
  const frame = document.getElementById('frmMRVDate');
  function fit() {
    frame.style.transform = '';
    stage.style.width = stage.style.height = '';
    const width = frame.offsetWidth;
    const height = frame.offsetHeight;
    const scale = Math.min(1, (document.documentElement.clientWidth - 16) / width);
    if (scale < 1) {
      frame.style.transform = 'scale(' + scale + ')';
      stage.style.width = width * scale + 'px';
      stage.style.height = height * scale + 'px';
    }
  }
  fit();
  window.addEventListener('resize', fit);
}
