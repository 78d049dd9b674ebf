// A lesson's steps beside the page, one at a time, as on the desktop: the text, the question
// with a box for the class's answer, "Zurück" and "Weiter"; a step with a setting of its own
// puts the page in it. The core keeps the steps and answers, so that saving keeps them.
export class LessonSteps {
  constructor(document, core, tr, language, program) {
    this.core = core;
    this.tr = tr;
    this.english = language === 'en';
    this.program = program;
    const byId = (id) => document.getElementById(id);
    this.panel = byId('lessonSteps');
    this.heading = byId('stepHeading');
    this.text = byId('stepText');
    this.question = byId('stepQuestion');
    this.answer = byId('stepAnswer');
    this.back = byId('stepBack');
    this.next = byId('stepNext');
    this.steps = [];
    this.back.addEventListener('click', () => this.go(this.current - 1));
    this.next.addEventListener('click', () => this.go(this.current + 1));
    this.answer.addEventListener('input', () => {
      const taken = core.setAnswer(program.walk, this.current, this.answer.value);
      if (taken) this.steps[this.current].answer = this.answer.value;
    });
  }

  // The steps of an experiment the core read, with the file's text for the core to keep.
  take(experiment, text) {
    this.core.keepSteps(this.program.walk, text);
    this.steps = experiment.steps;
    this.panel.hidden = this.steps.length === 0;
    if (this.steps.length) this.go(0);
  }

  pick(german, english) {
    return (this.english ? english || german : german || english);
  }

  go(index) {
    this.current = Math.max(0, Math.min(index, this.steps.length - 1));
    const step = this.steps[this.current];
    this.heading.textContent = this.tr('Schritt %1 von %2', this.current + 1, this.steps.length);
    this.text.textContent = this.pick(step.textGerman, step.textEnglish);
    const question = this.pick(step.questionGerman, step.questionEnglish);
    this.question.textContent = question;
    this.question.hidden = !question;
    this.answer.hidden = !question;
    this.answer.value = step.answer;
    this.back.disabled = this.current === 0;
    this.next.disabled = this.current === this.steps.length - 1;
    if (step.setting) this.program.applySetting(step.setting);
  }
}
