// The two freeglut calls the game makes that Emscripten's GLUT leaves out,
// and its pointer motion put right.
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

  // Emscripten's GLUT reports each motion at the place of the motion before,
  // so the first one lands in the corner, where the view scrolls, and a drag
  // drops a step short. This listener, in place of its own from the first
  // motion callback set on, reports where the pointer is.
  $GLUTMotionAtThePointer__deps: ['$GLUT', '$Browser'],
  $GLUTMotionAtThePointer: function() {
    if (GLUT.motionAtThePointer) return;
    GLUT.motionAtThePointer = true;
    window.removeEventListener('mousemove', GLUT.onMousemove, true);
    GLUT.onMousemove = function(event) {
      var lastX = Browser.mouseX, lastY = Browser.mouseY;
      Browser.calculateMouseEvent(event);
      if (Browser.mouseX == lastX && Browser.mouseY == lastY) return;
      var func = GLUT.buttons == 0 ? (event.target == Module['canvas'] ? GLUT.passiveMotionFunc : 0) : GLUT.motionFunc;
      if (!func) return;
      event.preventDefault();
      GLUT.saveModifiers(event);
      {{{ makeDynCall('vii', 'func') }}}(Browser.mouseX, Browser.mouseY);
    };
    window.addEventListener('mousemove', GLUT.onMousemove, true);
  },
  glutMotionFunc__deps: ['$GLUT', '$GLUTMotionAtThePointer'],
  glutMotionFunc__sig: 'vi',
  glutMotionFunc: function(func) {
    GLUT.motionFunc = func;
    GLUTMotionAtThePointer();
  },
  glutPassiveMotionFunc__deps: ['$GLUT', '$GLUTMotionAtThePointer'],
  glutPassiveMotionFunc__sig: 'vi',
  glutPassiveMotionFunc: function(func) {
    GLUT.passiveMotionFunc = func;
    GLUTMotionAtThePointer();
  },
});
