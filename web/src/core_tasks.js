// Work for the core away from the page's thread: calls of the core's functions in workers, as
// many as the device has cores, each answered as a promise. Where the page may start no worker
// (opened from disk), the page's own core answers them one at a time between the page's own
// tasks, so that the page still draws and takes taps meanwhile.

const workerScript = 'exact-worker.js';

export class CoreTasks {
  constructor(window, core) {
    this.window = window;
    this.core = core;
    this.queue = [];
    this.waiting = new Map();  // id -> the task a worker has
    this.idle = [];
    this.workers = [];
    this.next = 1;
    if (window.location.protocol.startsWith('http') && typeof window.Worker === 'function') {
      const count = Math.max(1, Math.min(16, window.navigator.hardwareConcurrency || 2));
      for (let i = 0; i < count; ++i) this.startWorker();
    }
  }

  // How many tasks go on at once.
  get cores() {
    return Math.max(1, this.workers.length);
  }

  startWorker() {
    let worker;
    try {
      worker = new this.window.Worker(workerScript);
    } catch {
      return;
    }
    worker.addEventListener('message', ({ data }) => this.answered(worker, data));
    // A worker that cannot start its core hands its task back; the page does the rest.
    worker.addEventListener('error', () => this.lost(worker));
    this.workers.push(worker);
    this.idle.push(worker);
  }

  // `core[name](...args)`, in a worker where there is one; `urgent` goes before what waits.
  run(name, args, { urgent = false } = {}) {
    return new Promise((resolve, reject) => {
      const task = { name, args, resolve, reject };
      if (urgent) this.queue.unshift(task);
      else this.queue.push(task);
      this.pump();
    });
  }

  // Every task that has not begun is dropped; its promise is rejected.
  drop(name) {
    const kept = [];
    for (const task of this.queue) {
      if (task.name === name) task.reject(new Error('dropped'));
      else kept.push(task);
    }
    this.queue = kept;
  }

  pump() {
    if (this.workers.length === 0) {
      if (!this.inline && this.queue.length) {
        this.inline = true;
        this.window.setTimeout(() => this.runInline(), 0);
      }
      return;
    }
    while (this.idle.length && this.queue.length) {
      const worker = this.idle.pop();
      const task = this.queue.shift();
      const id = this.next++;
      task.worker = worker;
      this.waiting.set(id, task);
      worker.postMessage({ id, name: task.name, args: task.args });
    }
  }

  runInline() {
    this.inline = false;
    const task = this.queue.shift();
    if (task) {
      try {
        task.resolve(this.core[task.name](...task.args));
      } catch (error) {
        task.reject(error);
      }
    }
    this.pump();
  }

  answered(worker, { id, result }) {
    const task = this.waiting.get(id);
    this.waiting.delete(id);
    this.idle.push(worker);
    task?.resolve(result);
    this.pump();
  }

  lost(worker) {
    this.workers = this.workers.filter((w) => w !== worker);
    this.idle = this.idle.filter((w) => w !== worker);
    for (const [id, task] of this.waiting) {
      if (task.worker !== worker) continue;
      this.waiting.delete(id);
      this.queue.unshift(task);
    }
    this.pump();
  }
}
