// The two freeglut calls the game makes that Emscripten's GLUT leaves out.
mergeInto(LibraryManager.library, {
  // The game's window is the page: hidden with its tab (which also stops its
  // animation frames), shown again with it.
  glutWindowStatusFunc__deps: ['$GLUT'],
  glutWindowStatusFunc__sig: 'vi',
  glutWindowStatusFunc: function(func) {
    document.addEventListener('visibilitychange', function() {
      {{{ makeDynCall('vi', 'func') }}}(document.hidden ? 0 /* GLUT_HIDDEN */ : 1 /* GLUT_FULLY_RETAINED */);
    });
  },

  // A held key repeats its keydown in a browser; as on the desktop, the game
  // hears the first press alone. GLUT listens on the window from glutInit on,
  // so its listener is swapped for one that passes on only the first.
  glutIgnoreKeyRepeat__deps: ['$GLUT'],
  glutIgnoreKeyRepeat__sig: 'vi',
  glutIgnoreKeyRepeat: function(ignore) {
    var onKeydown = GLUT.onKeydown;
    window.removeEventListener('keydown', onKeydown, true);
    GLUT.onKeydown = function(event) {
      if (!ignore || !event.repeat) onKeydown(event);
    };
    window.addEventListener('keydown', GLUT.onKeydown, true);
  },
});
